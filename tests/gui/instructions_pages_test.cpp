// The shipped installation instructions printed with the real fonts and
// pictures, as the print dialog prints them to PDF on A4.
#include "core/print/instructions_print.h"
#include "pdf/qpainter_canvas.h"

#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

namespace kr::gui::test {

class InstructionsPagesTest : public QObject {
    Q_OBJECT

private slots:
    void EveryLanguagePrintsWholeOnAtMostFourPages()
    {
        const std::filesystem::path source(KR_SOURCE_DIR);
        const LanguageList languages = LoadLanguageList(source / "data" / "lang");
        QCOMPARE(languages.size(), std::size_t{3});
        QTemporaryDir dir;
        for (const Language& language : languages) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setOutputFileName(dir.filePath(QString::fromStdString(language.Name) + ".pdf"));
            QPainterCanvas canvas(printer);
            const PrintContext context{language.Table, {}, KR_DIST_DIR, false, {}, {}};

            const InstructionsPrint print =
                PrintInstallationInstructions(canvas, context, source / "data" / "instructions");

            QVERIFY2(print.Outcome == InstructionsOutcome::Printed, (language.Name + ": " + print.File).c_str());
            QVERIFY2(print.Pages <= 4, (language.Name + ": " + std::to_string(print.Pages) + " pages").c_str());
        }
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::InstructionsPagesTest)
#include "instructions_pages_test.moc"
