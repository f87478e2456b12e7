// The platform layer: message boxes, locale formats, presentation programs
// and the help window.
#include "gui/platform/help_viewer.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/program_files.h"
#include "pdf/locale_formats.h"
#include "support/recording_answerer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace kr::gui::test {

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void AnswererStandsInForTheUserAndIsRestored()
    {
        RecordingAnswerer outer;
        {
            RecordingAnswerer inner;
            inner.Answers = {QMessageBox::Retry};
            QCOMPARE(MessageBoxes::Show({nullptr, "C", "T", QMessageBox::Warning, QMessageBox::Retry | QMessageBox::Cancel,
                                         QMessageBox::Cancel}),
                     QMessageBox::Retry);
            MessageBoxes::Beep(BeepKind::Error);
            QCOMPARE(inner.Requests.size(), std::size_t{1});
            QCOMPARE(inner.Requests[0].Caption, QStringLiteral("C"));
            QCOMPARE(inner.Beeps, std::vector<BeepKind>{BeepKind::Error});
        }
        MessageBoxes::ShowError(nullptr, "Caption", "Text");
        QCOMPARE(outer.Requests.size(), std::size_t{1});
        QCOMPARE(outer.Requests[0].Icon, QMessageBox::Critical);
        QVERIFY(outer.Beeps.empty());
    }

    void YearWidenedToFourDigits_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("widened");
        QTest::newRow("two digits") << "dd/MM/yy" << "dd/MM/yyyy";
        QTest::newRow("already four") << "d.M.yyyy" << "d.M.yyyy";
        QTest::newRow("year first") << "yy-MM-dd" << "yyyy-MM-dd";
        QTest::newRow("quoted text kept") << "d 'yy' M yy" << "d 'yy' M yyyy";
    }
    void YearWidenedToFourDigits()
    {
        QFETCH(QString, format);
        QFETCH(QString, widened);
        QCOMPARE(WidenYearToFourDigits(format), widened);
    }

    void DecimalSeparatorOfTheLocale()
    {
        QCOMPARE(LocaleFormatSettings(QLocale(QLocale::German, QLocale::Germany)).DecimalSeparator, ',');
        QCOMPARE(LocaleFormatSettings(QLocale::c()).DecimalSeparator, '.');
        QVERIFY(ShortDateFormat(QLocale(QLocale::English, QLocale::UnitedStates)).contains(QStringLiteral("yyyy")));
    }

    void MissingPresentationProgramDoesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(!StartPresentationProgram(dir.path(), ProductInfoProgramName));
    }

    void PresentationProgramStartsWithoutWaiting()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(ExecutableFileName(CompanyProfileProgramName));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QByteArray("#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n"));
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(StartPresentationProgram(dir.path(), CompanyProfileProgramName));
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("started"))));
    }

    void HelpOpensAtTheTopic()
    {
        QTemporaryDir dir;
        QFile help(dir.filePath(QStringLiteral("Help.html")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<html><head><title>Help</title></head><body><h1 id=\"Main_menu\">Main</h1>"
                   "<h1 id=\"Options\">Options</h1></body></html>");
        help.close();
        QWidget owner;
        HelpViewer viewer(&owner);
        viewer.SetHelpFile(help.fileName(), {});
        viewer.ShowTopic(QStringLiteral("Options"));
        QVERIFY(viewer.Browser());
        QCOMPARE(viewer.Browser()->source().fragment(), QStringLiteral("Options"));
        QCOMPARE(viewer.Browser()->window()->windowTitle(), QStringLiteral("Help"));
        QTextBrowser* shown = viewer.Browser();
        viewer.ShowTopic(QStringLiteral("Main_menu"));
        QCOMPARE(viewer.Browser(), shown);  // one window, reused

        viewer.SetHelpFile(dir.filePath(QStringLiteral("missing.html")), QStringLiteral("No help: missing.html"));
        viewer.ShowTopic(QStringLiteral("Options"));
        QCOMPARE(viewer.Browser()->toPlainText(), QStringLiteral("No help: missing.html"));
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::PlatformTest)
#include "platform_test.moc"
