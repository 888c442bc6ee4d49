// SPDX-License-Identifier: GPL-3.0-or-later
// Sound and printing come from a module loaded on first use. The built
// module keeps its side of the agreement, a printer error thrown inside it
// reaches the program's handlers, and a program without the module runs on,
// silent, telling the user that printing failed.

#include "platform/devices.h"
#include "platform/mediapaths.h"
#include "platform/messages.h"
#include "platform/services.h"

#include <QLibrary>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct RecordingMessages : platform::Messages {
    QStringList said;
    void ok(const QString& text, const QString&) override { said << text; }
    bool okCancel(const QString& text, const QString&) override {
        said << text;
        return false;
    }
};

const platform::DeviceModule* builtModule() {
    QLibrary library(QStringLiteral(CORVELLA_DEVICE_MODULE));
    if (!library.load())
        return nullptr;
    using Entry = const platform::DeviceModule* (*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve(platform::kDeviceModuleEntry));
    return entry ? entry() : nullptr;
}

} // namespace

class DeviceModuleTest : public QObject {
    Q_OBJECT
private slots:
    void theBuiltModuleOffersSoundAndPrinting() {
        QCOMPARE(QFileInfo(QStringLiteral(CORVELLA_DEVICE_MODULE)).fileName(),
                 QString::fromLatin1(platform::kDeviceModuleFile));
        const platform::DeviceModule* module = builtModule();
        QVERIFY(module);
        QCOMPARE(module->version, platform::kDeviceModuleVersion);
        const std::unique_ptr<platform::SoundPlayer> player(
            module->makeSoundPlayer(platform::resolveContentPath));
        QVERIFY(player);
        player->play(QStringLiteral("wav\\click.wav")); // no sound server here: silent
        // The test machines have no printer: the module's error is the
        // program's own type, caught as such, and says there is none.
        qputenv("PRINTER", "no-such-printer");
        bool caught = false;
        try {
            module->openDefaultPrinter();
        } catch (const platform::NoPrinterError&) {
            caught = true;
        }
        QVERIFY(caught);
        // The page a missing printer would have printed goes into a file.
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("page.pdf"));
        {
            std::unique_ptr<platform::Printer> pdf = module->openPdfFile(file);
            pdf->print(QStringLiteral("Excellent Work"));
            pdf->endDoc();
        }
        QVERIFY(QFileInfo(file).size() > 0);
    }

    // Beside a test program there is no module.
    void withoutTheModuleTheProgramRunsOn() {
        QVERIFY(!platform::deviceModule());
        platform::soundPlayer().play(QStringLiteral("wav\\click.wav"));
        RecordingMessages messages;
        platform::setMessages(&messages);
        bool ran = false;
        QCOMPARE(platform::printJob("Page", [&ran](platform::Printer&) { ran = true; }),
                 platform::PrintOutcome::Failed);
        QVERIFY(!ran);
        QCOMPARE(messages.said, QStringList{QString::fromLatin1(platform::kPrinterProblem)});
        platform::setMessages(nullptr);
    }
};

QTEST_MAIN(DeviceModuleTest)
#include "tst_devicemodule.moc"
