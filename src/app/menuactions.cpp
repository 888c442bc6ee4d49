#include "app/menuactions.h"

#include "app/intro0.h"
#include "app/sharedstate.h"
#include "app/titlefrm.h"
#include "platform/picturebox.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "topics/guide.h"
#include "topics/teacher.h"
#include "topics/topicscreen.h"

#include <QPushButton>
#include <QTimer>

namespace app {

QString noContentMessage(const QString& topic) {
    return QStringLiteral("\"%1\" is not ready yet, but the Moon, the Sun and the Earth are "
                          "waiting for you!\n\nTry \"The Tides\", \"Life on Earth\" or \"The Sun "
                          "and other Stars\".")
        .arg(topic);
}

void runMenuItem(int index) {
    switch (index) {
    case 0:
        state().numpages = 2;
        state().notesfile = QStringLiteral("introduction");
        topics::teacher().Image1->setPicture(QStringLiteral("wmf\\introductiona.wmf"));
        topics::teacher().Image2->setPicture(QStringLiteral("wmf2\\introductiona.wmf"));
        topics::teacher().showScreen();
        break;
    case 5:
        topics::tides().showScreen();
        break;
    case 9:
        topics::life().showScreen();
        break;
    case 15:
        topics::sun().showScreen();
        break;
    case 19:
        topics::teacher().showAcknowledgements();
        topics::teacher().showScreen();
        break;
    case 20:
        topics::guide().Image1->setPicture(QStringLiteral("wmf\\guide1.wmf"));
        topics::guide().Image2->setPicture(QStringLiteral("wmf2\\guide1.wmf"));
        state().pagenum = 1;
        topics::guide().showScreen();
        break;
    case 16:
        Titlefrm().Command1->setText(QStringLiteral("Cancel"));
        Titlefrm().showScreen();
        break;
    case 1:
    case 2:
    case 3:
    case 4:
    case 6:
    case 7:
    case 8:
    case 10: {
        // Shown once the click has been handled, so the click sound comes first.
        const QString message = noContentMessage(intro0().Label2.value(index)->caption());
        QTimer::singleShot(0, [message] { platform::messages().ok(message); });
        break;
    }
    default:
        break;
    }
}

} // namespace app
