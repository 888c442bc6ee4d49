// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/bignumbersscreen.h"

#include "platform/screenregistry.h"

namespace activities {

BigNumbersScreen& bigNumbersScreen() {
    return platform::touch<BigNumbersScreen>(QStringLiteral("bigNumbersScreen"));
}

} // namespace activities
