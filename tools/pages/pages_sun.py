PAGES = []
