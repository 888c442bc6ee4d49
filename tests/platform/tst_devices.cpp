// SPDX-License-Identifier: GPL-3.0-or-later
// Content paths ignore case and stay in the content folder; pictures go by contents and size.
// Sounds: only WAV decoded; fed in whole frames, then silence; no server: silent, warned once.
// Printing: vector pages; without a printer, a PDF never over an earlier file nor half-written.

#include "platform/devices.h"
#include "platform/mediapaths.h"
#include "platform/picture.h"
#include "platform/qtprinter.h"
#include "platform/qtsoundplayer.h"
#include "platform/services.h"
#include "platform/sounddecoder.h"
#include "platform/soundfeed.h"
#include "platform/wmf/wmfdocument.h"
#include "support/minimalwmf.h"
#include "support/testenv.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLibrary>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <sndfile.h>
#include <vector>

namespace {

QByteArray encoded(const char* format) {
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A small JPEG that declares width by height, as a damaged or hostile file.
QByteArray jpegDeclaring(int width, int height) {
    QByteArray bytes = encoded("JPEG");
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        return {};
    // Marker, length (2), precision (1), then height and width, big-endian.
    qToBigEndian<quint16>(height, bytes.data() + frame + 5);
    qToBigEndian<quint16>(width, bytes.data() + frame + 7);
    return bytes;
}

// Writes one second of a 440 Hz tone at 8 kHz mono in the given format.
bool writeTone(const QString& path, int format) {
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = format;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    std::vector<short> samples(8000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = short(12000 * std::sin(2 * M_PI * 440 * double(i) / 8000));
    sf_writef_short(f, samples.data(), sf_count_t(samples.size()));
    sf_close(f);
    return true;
}

// A stereo sound whose frames count up from 1, so that any slip shows.
std::shared_ptr<const platform::DecodedSound> countingSound(int frames) {
    auto sound = std::make_shared<platform::DecodedSound>();
    sound->sampleRate = 8000;
    sound->channels = 2;
    for (qint16 i = 1; i <= frames; ++i)
        for (int c = 0; c < 2; ++c)
            sound->samples.append(reinterpret_cast<const char*>(&i), 2);
    return sound;
}

constexpr int kFrame = 4; // 16-bit stereo

// What the feed gives `chunk` bytes at a time; empty if it gives part of a frame.
QByteArray drain(platform::SoundFeed& feed, qint64 chunk) {
    QByteArray all;
    QByteArray block(int(qMax<qint64>(chunk, 1)), '\x7f');
    for (int guard = 0; guard < 100000; ++guard) {
        const qint64 n = feed.read(block.data(), chunk);
        if (n == 0)
            break;
        if (n % kFrame != 0)
            return {};
        all.append(block.constData(), int(n));
    }
    return all;
}

const QDate kDay(2026, 12, 7);
enum class Mishap { None, PageFails, FolderBlocked, PrinterJams };

void printOneLine(platform::Printer& printer) {
    printer.print(QStringLiteral("Excellent Work"));
    printer.endDoc();
}

QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class DevicesTest : public QObject {
    Q_OBJECT
private slots:
    // An exact match wins over one in another case; a folder is not a file.
    void pathsResolve_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("resolved");
        QTest::addColumn<bool>("isFile");
        const auto row = [](const char* name, const char* path, const char* resolved, bool isFile) {
            QTest::newRow(name) << path << resolved << isFile;
        };
        row("folder in another case", "images\\tidesm.jpg", "Images/tidesm.jpg", true);
        row("file in another case", "Images\\TIDESM.jpg", "Images/tidesm.jpg", true);
        row("both", "WAV\\CLICK.wav", "wav/Click.WAV", true);
        row("exact match, upper", "logo\\A.gif", "logo/A.gif", true);
        row("exact match, lower", "logo\\a.gif", "logo/a.gif", true);
        row("missing file", "wmf\\nothere.wmf", "wmf/nothere.wmf", false);
        row("missing folder", "nofolder\\page.wmf", "nofolder/page.wmf", false);
        row("a folder", "wmf", "wmf", false);
        row("climbing out", "..\\..\\etc\\passwd", "etc/passwd", false);
    }
    void pathsResolve() {
        QFETCH(QString, path);
        QFETCH(QString, resolved);
        QFETCH(bool, isFile);
        testenv::Fixture env;
        for (const char* file :
             {"Images/tidesm.jpg", "wav/Click.WAV", "logo/a.gif", "logo/A.gif", "wmf/page.wmf"})
            env.write(QString::fromLatin1(file), "x");
        QCOMPARE(platform::resolveContentPath(path), env.content.filePath(resolved));
        QCOMPARE(platform::contentFileExists(path), isFile);
    }

    // Up to the largest size a file can declare, whose pixel count overflows 32 bits.
    void theBudgetJudgesEveryDeclaredSize_data() {
        QTest::addColumn<QSize>("declared");
        QTest::addColumn<bool>("fits");
        QTest::newRow("the budget exactly") << QSize(2048, 2048) << true;
        QTest::newRow("one row over") << QSize(2048, 2049) << false;
        QTest::newRow("the widest strip") << QSize(65535, 64) << true;
        QTest::newRow("the largest a file declares") << QSize(65535, 65535) << false;
        QTest::newRow("2^32 pixels") << QSize(65536, 65536) << false;
        QTest::newRow("the largest int") << QSize(INT_MAX, INT_MAX) << false;
        QTest::newRow("empty") << QSize(0, 0) << false;
        QTest::newRow("unknown") << QSize() << false;
    }
    void theBudgetJudgesEveryDeclaredSize() {
        QFETCH(QSize, declared);
        QFETCH(bool, fits);
        QCOMPARE(platform::fitsPictureBudget(declared), fits);
        QCOMPARE(platform::fitsPictureBudget(declared.transposed()), fits);
    }

    void formatsAreDecidedByContents_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<bool>("metafile");
        QTest::newRow("jpeg") << "a.jpg" << encoded("JPEG") << true << false;
        QTest::newRow("bmp") << "a.bmp" << encoded("BMP") << true << false;
        QTest::newRow("jpeg named wmf") << "j.wmf" << encoded("JPEG") << true << false;
        QTest::newRow("metafile named jpg") << "m.jpg" << testenv::minimalWmf() << true << true;
        QTest::newRow("png named jpg") << "p.jpg" << encoded("PNG") << false << false;
        QTest::newRow("ppm named bmp") << "p.bmp" << encoded("PPM") << false << false;
        // Refused on the size it declares, before a byte is decoded.
        QTest::newRow("jpeg declaring too much")
            << "huge.jpg" << jpegDeclaring(5600, 5600) << false << false;
    }
    void formatsAreDecidedByContents() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        QFETCH(bool, metafile);
        QVERIFY(!bytes.isEmpty());
        testenv::Fixture env;
        env.write(name, bytes);
        const platform::Picture picture = platform::Picture::load(name);
        QCOMPARE(!picture.isNull(), loads);
        QCOMPARE(picture.isMetafile(), metafile);
    }
    // Every WAV encoding the content uses; other formats the library reads, named .wav.
    void decodesWavesOnly_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("pcm 8-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << true;
        QTest::newRow("pcm 16-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << true;
        QTest::newRow("ima adpcm") << (SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM) << true;
        QTest::newRow("ms adpcm") << (SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM) << true;
        QTest::newRow("u-law") << (SF_FORMAT_WAV | SF_FORMAT_ULAW) << true;
        QTest::newRow("a-law") << (SF_FORMAT_WAV | SF_FORMAT_ALAW) << true;
        QTest::newRow("missing") << 0 << false; // no file written
        QTest::newRow("mp3") << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) << false;
        QTest::newRow("aiff") << (SF_FORMAT_AIFF | SF_FORMAT_PCM_16) << false;
        QTest::newRow("flac") << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16) << false;
    }
    void decodesWavesOnly() {
        QFETCH(int, format);
        QFETCH(bool, decodes);
        QTemporaryDir dir;
        const QString path = dir.filePath("click.wav");
        if (format != 0 && !writeTone(path, format))
            QSKIP("this libsndfile cannot write the format");
        const auto sound = platform::decodeSoundFile(path);
        QCOMPARE(sound.has_value(), decodes);
        if (!decodes)
            return;
        QCOMPARE(sound->sampleRate, 8000);
        QCOMPARE(sound->channels, 1);
        // ADPCM pads the last block; the length stays within one block.
        QVERIFY(qAbs(sound->frameCount() - 8000) < 1100);
        // The tone survives decoding: its peak is near the written amplitude.
        const auto* s = reinterpret_cast<const short*>(sound->samples.constData());
        const int peak = *std::max_element(s, s + sound->frameCount());
        QVERIFY2(peak > 10000 && peak < 14500, qPrintable(QString::number(peak)));
    }

    // A sound started in place of another starts from its own beginning.
    void feedsTheWholeSoundThenItsSilence_data() {
        QTest::addColumn<int>("frames");
        QTest::addColumn<qint64>("silence");
        QTest::addColumn<qint64>("chunk");
        QTest::addColumn<int>("replacing"); // bytes played of a sound before, if any
        QTest::newRow("all at once") << 100 << qint64(40) << qint64(4096) << -1;
        QTest::newRow("chunks that split frames") << 100 << qint64(40) << qint64(7) << -1;
        QTest::newRow("silence not a whole frame") << 10 << qint64(42) << qint64(64) << -1;
        QTest::newRow("no silence") << 10 << qint64(0) << qint64(64) << -1;
        QTest::newRow("less than a frame asked") << 10 << qint64(8) << qint64(3) << -1;
        QTest::newRow("in place of one half-played") << 20 << qint64(8) << qint64(64) << 40;
        QTest::newRow("after one played out") << 20 << qint64(8) << qint64(64) << 1000;
    }
    void feedsTheWholeSoundThenItsSilence() {
        QFETCH(int, frames);
        QFETCH(qint64, silence);
        QFETCH(qint64, chunk);
        QFETCH(int, replacing);
        const auto sound = countingSound(frames);
        platform::SoundFeed feed(kFrame, silence);
        QVERIFY(feed.finished()); // nothing to play yet
        QCOMPARE(drain(feed, chunk).size(), 0);
        if (replacing > 0) {
            feed.start(countingSound(50));
            QByteArray played(replacing, '\0');
            feed.read(played.data(), replacing);
        }
        feed.start(sound);
        QVERIFY(!feed.finished());
        const QByteArray given = drain(feed, chunk);
        if (chunk < kFrame) { // never part of a frame: nothing at all
            QVERIFY(given.isEmpty());
            return;
        }
        const qint64 wholeSilence = silence / kFrame * kFrame;
        QCOMPARE(given.size(), sound->samples.size() + wholeSilence);
        QCOMPARE(given.left(sound->samples.size()), sound->samples);
        QCOMPARE(given.mid(sound->samples.size()), QByteArray(int(wholeSilence), '\0'));
        QVERIFY(feed.finished());
    }

    // However often the player looks for a missing server again, it warns once.
    void withoutAServerThePlayerIsSilentAndSaysSoOnce() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/corvella-test-no-sound-server");
        QTest::ignoreMessage(QtWarningMsg,
                             "No sound device: sounds are switched off until one appears.");
        QTest::failOnWarning(QRegularExpression("^No sound device"));
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("wav"));
        QVERIFY(writeTone(dir.filePath("wav/Click.wav"), SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM));
        platform::setContentRoot(dir.path());
        {
            platform::QtSoundPlayer player(platform::resolveContentPath);
            for (int i = 0; i < 3; ++i) {
                player.play("wav\\click.wav");
                player.play("wav\\missing.wav");
            }
        } // its output thread has done everything asked of it when it ends
    }
    void textLinesAndPicturesStayVectors() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("page.pdf");
        {
            auto printer = platform::QtPrinter::openPdf(pdf);
            QVERIFY(printer->width() > 8000 && printer->height() > 12000);
            printer->setFontName("Times New Roman");
            printer->setFontSize(25);
            const double lineHeight = printer->textHeight("X");
            // A 25 pt line is about 25 * 20 twips high, with some leading.
            QVERIFY(lineHeight > 450 && lineHeight < 700);
            printer->currentX = 1000;
            printer->print("Well Done", false);
            QVERIFY(printer->currentX > 1000 + printer->textWidth("Well") - 1);
            QCOMPARE(printer->currentY, 0.0);
            printer->print(" ");
            QCOMPARE(printer->currentX, 0.0);
            QCOMPARE(printer->currentY, lineHeight);
            printer->line(45, 270, printer->width() - 45, 270);
            const auto page = wmf::Document::parse(testenv::minimalWmf());
            QVERIFY(page);
            printer->paintPicture(*page, "wmf2\\test.wmf", 1000, 1000);
            printer->endDoc();
        }
        const QByteArray bytes = contents(pdf);
        QVERIFY(bytes.contains("/Font")); // the text went as text
        QVERIFY(!bytes.contains("/Subtype /Image"));
        // A PDF in a folder that does not exist cannot be written.
        QVERIFY_THROWS_EXCEPTION(platform::PrinterError,
                                 platform::QtPrinter::openPdf("/nonexistent-folder/x/page.pdf"));
    }

    // Earlier pages of the same name are never replaced: the next is numbered.
    void savedPageNames_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("earlier");
        const auto row = [](const char* name, const QString& what, const QString& file,
                            int earlier = 0) { QTest::newRow(name) << what << file << earlier; };
        row("a certificate", "Certificate - Sam", "Certificate - Sam - 2026-12-07.pdf");
        row("nothing at all", "", "2026-12-07.pdf");
        row("folders in a title", "Worksheet - Sun/Moon\\Stars",
            "Worksheet - Sun Moon Stars - 2026-12-07.pdf");
        row("characters other systems refuse", "Worksheet - What? <Why>: \"*|\"",
            "Worksheet - What Why - 2026-12-07.pdf");
        row("control characters and runs of spaces", "Certificate -\t Sam\n  Lee",
            "Certificate - Sam Lee - 2026-12-07.pdf");
        row("a hidden file's dot", "..Sam", "Sam - 2026-12-07.pdf");
        row("a very long title", QString(300, u'x'), QString(120, u'x') + " - 2026-12-07.pdf");
        row("after two earlier pages", "Certificate - Sam",
            "Certificate - Sam - 2026-12-07 (3).pdf", 2);
    }
    void savedPageNames() {
        QFETCH(QString, what);
        QFETCH(QString, name);
        QFETCH(int, earlier);
        QTemporaryDir folder;
        for (int i = 0; i < earlier; ++i) {
            QFile page(platform::savedPageFile(folder.path(), what, kDay));
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
        QCOMPARE(platform::savedPageFile(folder.path(), what, kDay),
                 QDir(folder.path()).filePath(name));
    }

    // Only a missing printer saves the page; any failure leaves no file behind.
    void printingWithoutAPrinter_data() {
        QTest::addColumn<Mishap>("mishap");
        QTest::newRow("saved and named") << Mishap::None;
        QTest::newRow("the page fails half-way") << Mishap::PageFails;
        QTest::newRow("the folder cannot be made") << Mishap::FolderBlocked;
        QTest::newRow("a printer that jams") << Mishap::PrinterJams;
    }
    void printingWithoutAPrinter() {
        QFETCH(Mishap, mishap);
        const bool saved = mishap == Mishap::None;
        testenv::Fixture env;
        QTemporaryDir documents;
        QString folder = documents.filePath("Corvella"); // made on first use
        if (mishap == Mishap::FolderBlocked) {
            QFile blocker(documents.filePath("file"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            folder = documents.filePath("file/Corvella");
        }
        platform::setSavedPagesFolder(folder);
        platform::setPrinterFactory([mishap]() -> std::unique_ptr<platform::Printer> {
            if (mishap == Mishap::PrinterJams)
                throw platform::PrinterError("jam");
            throw platform::NoPrinterError("none set up");
        });
        platform::setPdfPrinterFactory(platform::QtPrinter::openPdf);
        const auto page = [mishap](platform::Printer& printer) {
            if (mishap == Mishap::PageFails)
                throw platform::PrinterError("out of paper");
            printOneLine(printer);
        };
        QCOMPARE(platform::printJob("Certificate - Sam", page),
                 saved ? platform::PrintOutcome::Saved : platform::PrintOutcome::Failed);
        const QString name =
            "Certificate - Sam - " + QDate::currentDate().toString(Qt::ISODate) + ".pdf";
        QCOMPARE(QDir(folder).entryList(QDir::Files), saved ? QStringList{name} : QStringList());
        QCOMPARE(env.messages.said,
                 QStringList{saved ? QString::fromLatin1(platform::kSavedInstead)
                                         .arg(QDir(folder).filePath(name))
                                   : QString::fromLatin1(platform::kPrinterProblem)});
        QCOMPARE(contents(QDir(folder).filePath(name)).startsWith("%PDF"), saved);
    }

    // The module's errors are the program's own types; its PDF printer works.
    void theBuiltModuleOffersSoundAndPrinting() {
        QCOMPARE(QFileInfo(QStringLiteral(CORVELLA_DEVICE_MODULE)).fileName(),
                 QString::fromLatin1(platform::kDeviceModuleFile));
        QLibrary library(QStringLiteral(CORVELLA_DEVICE_MODULE));
        using Entry = const platform::DeviceModule* (*)();
        const auto entry = reinterpret_cast<Entry>(library.resolve(platform::kDeviceModuleEntry));
        QVERIFY(entry);
        const platform::DeviceModule* module = entry();
        QCOMPARE(module->version, platform::kDeviceModuleVersion);
        const std::unique_ptr<platform::SoundPlayer> player(
            module->makeSoundPlayer(platform::resolveContentPath));
        player->play(QStringLiteral("wav\\click.wav")); // no sound server here: silent
        qputenv("PRINTER", "no-such-printer");
        QVERIFY_THROWS_EXCEPTION(platform::NoPrinterError, module->openDefaultPrinter());
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("page.pdf"));
        printOneLine(*module->openPdfFile(file));
        QVERIFY(contents(file).startsWith("%PDF"));
    }

    // Beside a test program there is no module: the program runs on, silent.
    void withoutTheModuleTheProgramRunsOn() {
        testenv::Fixture env;
        platform::setSoundPlayer(nullptr);
        QVERIFY(!platform::deviceModule());
        platform::soundPlayer().play(QStringLiteral("wav\\click.wav"));
        bool ran = false;
        QCOMPARE(platform::printJob("Page", [&ran](platform::Printer&) { ran = true; }),
                 platform::PrintOutcome::Failed);
        QVERIFY(!ran);
        QCOMPARE(env.messages.said, QStringList{QString::fromLatin1(platform::kPrinterProblem)});
    }
};

QTEST_MAIN(DevicesTest)
#include "tst_devices.moc"
