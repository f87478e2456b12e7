#include "cli/document_jobs.h"

#include "core/data/text_keys.h"
#include "core/print/curves_print.h"
#include "core/print/drawing_print.h"
#include "core/print/instructions_print.h"

namespace kr::cli {

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QString PrintText(const PrintContext& context, const TextKey& key)
{
    return FromUtf8(context.Texts.Lookup(key.Key));
}

}  // namespace

gui::PrintJob TechnicalDataDocument(const PrintContext& context, const tCoolType& cooler,
                                    const TechnicalPrintOptions& options)
{
    return {PrintText(context, keys::TechnicalData), FromUtf8(cooler.Designation()),
            [&context, &cooler, options](Canvas& canvas) {
                PrintTechnicalData(canvas, context, cooler, options);
                return QString();
            }};
}

gui::PrintJob DrawingDocument(const PrintContext& context, const CoolerRecordList& records,
                              const std::string& designation)
{
    return {PrintText(context, keys::Drawing), FromUtf8(designation),
            [&context, &records, &designation](Canvas& canvas) {
                return PrintDrawingSheet(canvas, context, records, designation)
                           ? QString()
                           : PrintText(context, keys::ErrorNoDrawing);
            }};
}

gui::PrintJob CurvesDocument(const PrintContext& context, const tCoolType& cooler, int pressureUnit)
{
    return {PrintText(context, keys::PerformanceCurves), FromUtf8(cooler.Designation()),
            [&context, &cooler, pressureUnit](Canvas& canvas) {
                switch (PrintPerformanceCurves(canvas, context, cooler, pressureUnit)) {
                case CurvesPrintOutcome::NoCurves:
                    return PrintText(context, keys::ErrorNoCurves);
                case CurvesPrintOutcome::PageTooNarrow:
                    return PrintText(context, keys::ErrorCurvesPageNarrow);
                case CurvesPrintOutcome::Printed:
                    break;
                }
                return QString();
            }};
}

gui::PrintJob QuotationDocument(const PrintContext& context, const QuotationLetter& letter,
                                const QuotationItems& items, const QuotationTerms& terms)
{
    return {PrintText(context, keys::Quotation), FromUtf8(letter.QuotationNr),
            [&context, &letter, &items, &terms](Canvas& canvas) {
                PrintQuotation(canvas, context, letter, items, terms);
                return QString();
            }};
}

gui::PrintJob InstructionsDocument(const PrintContext& context, const std::filesystem::path& programDir)
{
    return {PrintText(context, keys::InstallationInstructions), QString(), [&context, programDir](Canvas& canvas) {
                const InstructionsPrint print = PrintInstallationInstructions(canvas, context, programDir);
                return FromUtf8(InstructionsPrintMessage(print, context.Texts));
            }};
}

}  // namespace kr::cli
