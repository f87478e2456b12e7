// The print selection on the real window: the documents it offers and ticks
// for each way it is opened, Cancel, the PDF folder the user picks, and all
// five documents printed as PDF files in two languages, read back with
// poppler's pdftotext and pdfinfo.
#include "core/data/text_keys.h"
#include "gui/app/form_startmenu.h"
#include "gui/present/technical_page.h"
#include "gui/print/form_print_select.h"
#include "gui/print/run_print_selection.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/language_picker.h"
#include "gui/widgets/string_grid.h"
#include "support/modal.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>
#include <functional>

namespace kr::gui::test {
namespace {

const QString DistDir = QStringLiteral(KR_DIST_DIR);
const QString QuotationNumber = QStringLiteral("Q-17/3");
const QString LeadTime = QStringLiteral("4 weeks");

QString TextOf(const QString& language, const TextKey& key)
{
    return QString::fromStdString(DistText(language + QStringLiteral(".SPROG"), key.Key));
}

// The first heading of the language's installation instructions.
QString FirstInstructionsHeading(const QString& language)
{
    QFile file(QDir(DistDir).filePath(TextOf(language, keys::InstallText)));
    file.open(QIODevice::ReadOnly);
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("<B>"))
            return QString::fromLatin1(line.mid(3)).simplified();
    }
    return {};
}

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Boxes of the dialog in print order as "1" (enabled, ticked) and "0".
QString States(const TFormPrintSelect& dialog, bool (QCheckBox::*state)() const)
{
    QString states;
    for (PrintDocument document : PrintOrder)
        states += (dialog.DocumentBox(document)->*state)() ? u'1' : u'0';
    return states;
}

// The program on its main screen with the pictures of the distribution,
// the installation instructions beside it, and every print going to PDF
// files in a folder of the test.
class PrintingProgram {
public:
    PrintingProgram()
        : program_({Dword("Showmenu", 0), Dword("Width", 984), String("BitmapDir", (DistDir + u'/').toStdString()),
                    String("LeadTime", LeadTime.toStdString())})
    {
        program_.Folder.CopyFromDistribution(QDir(DistDir).entryList({QStringLiteral("Install_*.txt")}));
        qputenv("KRCOOL_PRINT_DIR", PdfDir().toUtf8());
        Window().show();
    }
    ~PrintingProgram() { qunsetenv("KRCOOL_PRINT_DIR"); }

    TFormStartmenu& Window() const { return program_.Window(); }
    QString PdfDir() const { return pdfDir_.path(); }

    // An AC search, the first cooler's technical data, and two coolers of
    // the list transferred to the quotation.
    void ChooseCoolerAndQuote()
    {
        const CalcTabControls& c = Window().Calc;
        c.EditHeatReject->setText(QStringLiteral("10"));
        c.EditAmbientTemp->setText(QStringLiteral("30"));
        c.EditInletTemp->setText(QStringLiteral("60"));
        c.RadioButtonACDC->setChecked(true);
        c.EditOilFlow->setText(QStringLiteral("80"));
        Window().zBitColBtnSearchClick();
        StringGrid* results = Window().MainScreen.StringGridResult;
        results->SetRow(1);
        Window().TechnicalScreen->zBitColBtnTDataClick(ResultTab::Calculation);
        Designation = QString::fromStdString(Window().State().CurrentCooler.Designation());
        Window().TechnicalScreen->zBitColBtnBackDataClick();
        for (int row : {1, 2}) {
            results->SetRow(row);
            Window().MainScreen.zBitColBtnTransfer->click();
        }
        Window().Quotation->Controls.EditQuotationNr->setText(QuotationNumber);
    }

    // Opens the print selection, lets act look at it and set it, and then
    // presses Print or Cancel.
    void Print(PrintMode mode, const std::function<void(TFormPrintSelect&)>& act, bool print = true)
    {
        bool shown = false;
        WhenDialogShown<TFormPrintSelect>([&](TFormPrintSelect& dialog) {
            shown = true;
            act(dialog);
            (print ? dialog.zBitColBtnPrint : dialog.zBitColBtnCancel)->click();
        });
        RunPrintSelection(Window(), mode);
        QVERIFY(shown);
    }

    QStringList PdfFiles() const { return QDir(PdfDir()).entryList(QDir::Files, QDir::Name); }
    QString PdfText(const QString& file) const
    {
        return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QDir(PdfDir()).filePath(file),
                                                 QStringLiteral("-")})
            .simplified();
    }
    bool Landscape(const QString& file) const
    {
        const QString info = Run(QStringLiteral("pdfinfo"), {QDir(PdfDir()).filePath(file)});
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
        return size.hasMatch() && size.captured(1).toDouble() > size.captured(2).toDouble();
    }

    RecordingAnswerer Answerer;
    QString Designation;

private:
    RunningProgram program_;
    QTemporaryDir pdfDir_;
};

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void EachWayOfOpeningOffersAndTicksItsDocuments()
    {
        PrintingProgram program;
        // Ticked boxes per mode before anything was chosen and after a cooler
        // was shown and quoted. The installation instructions are always
        // offered, and so is the drawing while the viewer has no "no drawing" note.
        const struct {
            PrintMode Mode;
            const char* TickedFresh;
            const char* TickedChosen;
        } modes[] = {
            {PrintMode::AllAvailable, "01001", "11111"}, {PrintMode::TechnicalData, "00000", "10000"},
            {PrintMode::Drawing, "01000", "01000"},      {PrintMode::Curves, "00000", "00100"},
            {PrintMode::Quotation, "00000", "00010"},    {PrintMode::Instructions, "00001", "00001"},
        };
        for (bool chosen : {false, true}) {
            if (chosen)
                program.ChooseCoolerAndQuote();
            for (const auto& row : modes) {
                program.Print(row.Mode, [&](TFormPrintSelect& dialog) {
                    QCOMPARE(States(dialog, &QWidget::isEnabled), QString::fromLatin1(chosen ? "11111" : "01001"));
                    QCOMPARE(States(dialog, &QAbstractButton::isChecked),
                             QString::fromLatin1(chosen ? row.TickedChosen : row.TickedFresh));
                    QVERIFY(!dialog.CheckBoxPris->isChecked());
                    // Every print goes to the test's folder: no other choice.
                    QVERIFY(dialog.CheckBoxPdf->isChecked() && !dialog.CheckBoxPdf->isEnabled());
                }, false);
                QCOMPARE(program.PdfFiles(), QStringList());  // Cancel prints nothing
            }
        }
        program.Print(PrintMode::AllAvailable, [](TFormPrintSelect& dialog) {
            QCOMPARE(dialog.ComboBoxLanguage->currentText(), TextOf(QStringLiteral("English"), keys::Language));
            for (int i = 0; i < dialog.ComboBoxLanguage->count(); ++i)
                QCOMPARE(dialog.ComboBoxLanguage->itemData(i, Qt::AccessibleTextRole).toString(),
                         dialog.ComboBoxLanguage->itemText(i));
            for (QAbstractButton* control : dialog.findChildren<QAbstractButton*>())
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }, false);
        QVERIFY(program.Answerer.Requests.empty());
    }

    void PdfFilesGoWhereTheUserSaysAndAFailureSaysWhy()
    {
        PrintingProgram program;
        qunsetenv("KRCOOL_PRINT_DIR");
        const auto printInstructions = [&program] {
            program.Print(PrintMode::Instructions, [&program](TFormPrintSelect& dialog) {
                dialog.CheckBoxPdf->setChecked(true);
                WhenDialogShown<QFileDialog>([&program](QFileDialog& folders) {
                    folders.setDirectory(program.PdfDir());
                    folders.selectFile(program.PdfDir());
                    static_cast<QDialog&>(folders).accept();
                });
            });
        };
        printInstructions();
        const QString file = TextOf(QStringLiteral("English"), keys::InstallationInstructions) + QStringLiteral(".pdf");
        QCOMPARE(program.PdfFiles(), QStringList{file});
        QCOMPARE(program.Answerer.Requests.size(), 1u);
        QCOMPARE(program.Answerer.Requests[0].Icon, QMessageBox::Information);
        QVERIFY(program.Answerer.Requests[0].Text.contains(program.PdfDir()));
        QVERIFY(program.Answerer.Requests[0].Text.contains(file));

        // A file that cannot be replaced (a folder holds its name) is told with its name and why.
        const QString path = QDir(program.PdfDir()).filePath(file);
        QVERIFY(QFile::remove(path) && QDir().mkdir(path));
        printInstructions();
        QCOMPARE(program.Answerer.Requests.size(), 2u);
        QCOMPARE(program.Answerer.Requests[1].Icon, QMessageBox::Critical);
        QVERIFY(program.Answerer.Requests[1].Text.contains(path));
        QVERIFY(QFileInfo(path).isDir());
    }

    void APdfSaveThatFillsTheDiskLeavesTheOlderFileWhole()
    {
        PrintingProgram program;
        const QString file = QDir(program.PdfDir())
                                 .filePath(TextOf(QStringLiteral("English"), keys::InstallationInstructions) +
                                           QStringLiteral(".pdf"));
        const QByteArray older("the older file of that name");
        QFile oldFile(file);
        QVERIFY(oldFile.open(QIODevice::WriteOnly) && oldFile.write(older) == older.size());
        oldFile.close();

        // The instructions make a PDF of well over 64 KiB: the disk is full before its end.
        const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit full{64 * 1024, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        program.Print(PrintMode::Instructions, [](TFormPrintSelect&) {});
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedSignal);

        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        QCOMPARE(oldFile.readAll(), older);
        QCOMPARE(program.PdfFiles(), QStringList{QFileInfo(file).fileName()});
        QCOMPARE(program.Answerer.Requests.size(), 1u);
        QCOMPARE(program.Answerer.Requests[0].Icon, QMessageBox::Critical);
        QVERIFY(program.Answerer.Requests[0].Text.contains(file));
    }

    void EveryDocumentPrintsAsItsOwnPdfInThePrintLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("English");
        QTest::newRow("German") << QStringLiteral("Deutsch");
    }
    void EveryDocumentPrintsAsItsOwnPdfInThePrintLanguage()
    {
        QFETCH(QString, language);
        PrintingProgram program;
        program.ChooseCoolerAndQuote();
        program.Print(PrintMode::AllAvailable, [&language](TFormPrintSelect& dialog) {
            dialog.ComboBoxLanguage->setCurrentText(TextOf(language, keys::Language));
        });
        QVERIFY2(program.Answerer.Requests.empty(), program.Answerer.Requests.empty()
                                                        ? ""
                                                        : qPrintable(program.Answerer.Requests[0].Text));

        const auto text = [&language](const TextKey& key) { return TextOf(language, key); };
        const auto named = [&](const TextKey& document, const QString& subject) {
            return text(document) + u' ' + subject + QStringLiteral(".pdf");
        };
        const QString data = named(keys::TechnicalData, program.Designation);
        const QString drawing = named(keys::Drawing, program.Designation);
        const QString curves = named(keys::PerformanceCurves, program.Designation);
        // The quotation's number holds a character no file name can.
        const QString quotation = named(keys::Quotation, QStringLiteral("Q-17_3"));
        const QString instructions = text(keys::InstallationInstructions) + QStringLiteral(".pdf");
        QStringList expected{data, drawing, curves, quotation, instructions};
        expected.sort();
        QCOMPARE(program.PdfFiles(), expected);

        const struct {
            QString File;
            QStringList Contains;
        } documents[] = {
            {data, {program.Designation, text(keys::TechnicalDataFor), text(keys::Date)}},
            {drawing, {program.Designation, text(keys::PrintSpareList), text(keys::PrintPartNo)}},
            {curves, {program.Designation, QStringLiteral("l/min"), QStringLiteral("kW"), QStringLiteral("bar")}},
            {quotation,
             {QuotationNumber, program.Designation, text(keys::PrintGrossPrice), text(keys::PrintNettPrice), LeadTime}},
            {instructions, {text(keys::InstMaintInst), FirstInstructionsHeading(language)}},
        };
        for (const auto& document : documents) {
            const QString printed = program.PdfText(document.File);
            for (const QString& part : document.Contains)
                QVERIFY2(printed.contains(part), qPrintable(document.File + QStringLiteral(": ") + part));
        }
        // The receiver field still holds its prompt, which is no receiver.
        QVERIFY(!program.PdfText(quotation).contains(TextOf(QStringLiteral("English"), keys::NameAndAddressOfReceiver)));
        QVERIFY(program.Landscape(curves));
        QVERIFY(!program.Landscape(data));
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::PrintTest)
#include "print_test.moc"
