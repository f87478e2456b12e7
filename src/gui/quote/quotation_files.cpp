// Saving the quotation into a file and opening it again.
#include "gui/quote/quotation_files.h"

#include "core/data/text_keys.h"
#include "core/quote/item_availability.h"
#include "core/quote/quotation_file.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/open_dialog.h"
#include "gui/platform/save_dialog.h"
#include "gui/quote/quotation_tab.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace kr::gui {

namespace {

// After a menu caption whose command asks for more before it acts.
const QString MenuEllipsis = QStringLiteral("\u2026");
// Characters a file name cannot hold on some system the file may travel to.
const QString NotInFileNames = QStringLiteral("/\\:*?\"<>|");

QString Suffix()
{
    return FromUtf8(QuotationFileSuffix);
}

QString FileNameOf(const QString& text)
{
    QString name = text.trimmed();
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control || NotInFileNames.contains(c))
            c = u'_';
    }
    return name;
}

}  // namespace

QuotationFiles::QuotationFiles(QuotationTab& tab, TFormStartmenu& window) : QObject(&tab), tab_(tab), window_(window)
{
}

void QuotationFiles::ApplyTexts()
{
    const LanguageTable& texts = window_.State().Texts();
    const MainMenus& m = window_.Menus;
    m.MenuSaveQuotation->setText(Text(texts, keys::SaveQuotation) + MenuEllipsis);
    m.MenuSaveQuotation->setToolTip(Text(texts, keys::HintSaveQuotation));
    m.MenuOpenQuotation->setText(Text(texts, keys::OpenQuotation) + MenuEllipsis);
    m.MenuOpenQuotation->setToolTip(Text(texts, keys::HintOpenQuotation));
}

QString QuotationFiles::StartFolder() const
{
    return lastFolder_.isEmpty() ? DocumentsFolder() : lastFolder_;
}

QString QuotationFiles::ProposedFileName() const
{
    const QString number = FileNameOf(tab_.Controls.EditQuotationNr->text());
    if (!number.isEmpty())
        return number + Suffix();
    if (!tab_.SavedFile().isEmpty())
        return QFileInfo(tab_.SavedFile()).fileName();
    return FileNameOf(Text(window_.State().Texts(), keys::Quotation)) + Suffix();
}

QString QuotationFiles::Filter() const
{
    return Text(window_.State().Texts(), keys::QuotationFiles) + QStringLiteral(" (*") + Suffix() +
           QStringLiteral(")");
}

void QuotationFiles::MenuSaveQuotationClick()
{
    const AppState& state = window_.State();
    const LanguageTable& texts = state.Texts();
    const SaveFileRequest request{Text(texts, keys::SaveQuotation), StartFolder(), ProposedFileName(), Filter(),
                                  Suffix()};
    const QString target = AskSaveFileName(&window_, request);
    if (target.isEmpty())
        return;
    lastFolder_ = QFileInfo(target).absolutePath();

    const SavedQuotation saved = SavedQuotationOf(tab_.Header(), tab_.DiscountPct(), tab_.Items());
    const FileWriteResult written = WriteQuotationFile(PathOf(target), saved);
    if (!written.Ok()) {
        MessageBoxes::ShowError(&window_, Text(texts, keys::ErrorCaption),
                                FromUtf8(QuotationFileWriteText(written, ToUtf8(target), texts, state.Format)));
        return;
    }
    tab_.KeepAsSaved(target, saved.DiscountPct);
}

void QuotationFiles::MenuOpenQuotationClick()
{
    const AppState& state = window_.State();
    const LanguageTable& texts = state.Texts();
    // The open file is proposed again; else the dialog starts in the folder
    // used last.
    const QString proposed = !tab_.SavedFile().isEmpty() ? tab_.SavedFile()
                             : lastFolder_.isEmpty()      ? QString()
                                                          : lastFolder_ + u'/';
    const OpenFileRequest request{Text(texts, keys::OpenQuotation), proposed, Filter(), Suffix()};
    const QString file = AskOpenFileName(&window_, request);
    if (file.isEmpty())
        return;
    lastFolder_ = QFileInfo(file).absolutePath();

    const QuotationFileRead read = ReadQuotationFile(PathOf(file), state.Format);
    if (read.Problem != QuotationFileProblem::None) {
        MessageBoxes::ShowError(&window_, Text(texts, keys::ErrorCaption),
                                FromUtf8(QuotationFileProblemText(read, ToUtf8(file), texts, state.Format)));
        return;
    }
    if (tab_.Items().ItemCount() > 0 && !MayReplaceItems(file))
        return;
    const SavedQuotation& saved = read.Quotation;
    const std::vector<int> notKnown = ItemsNoLongerKnown(saved.Items, state.Database.CoolerRecords, state.PriceRecords);
    tab_.ShowSaved(saved, file, notKnown);
    window_.MenuQuotationClick();
    if (!notKnown.empty())
        ReportNotKnown(saved, notKnown, file);
}

bool QuotationFiles::MayReplaceItems(const QString& file) const
{
    const AppState& state = window_.State();
    const LanguageTable& texts = state.Texts();
    // No is the default: a quotation typed in is lost to a careless Enter.
    const MessageBoxRequest question{&window_,
                                     Text(texts, keys::OpenQuotation),
                                     FormatText(texts, keys::AskReplaceQuotation, {ToUtf8(file)}, state.Format),
                                     QMessageBox::Question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No};
    return MessageBoxes::Show(question) == QMessageBox::Yes;
}

void QuotationFiles::ReportNotKnown(const SavedQuotation& saved, const std::vector<int>& positions,
                                    const QString& file) const
{
    const AppState& state = window_.State();
    const LanguageTable& texts = state.Texts();
    QStringList lines;
    for (int position : positions) {
        const QuotationItem& item = saved.Items[static_cast<std::size_t>(position - 1)];
        lines << FromUtf8(item.Designation) + QStringLiteral(" (") + FromUtf8(item.ItemNo) + QStringLiteral(")");
    }
    const MessageBoxRequest message{&window_,
                                    Text(texts, keys::OpenQuotation),
                                    FormatText(texts, keys::ItemsNotKnown, {ToUtf8(file)}, state.Format) +
                                        QStringLiteral("\n\n") + lines.join(u'\n'),
                                    QMessageBox::Warning,
                                    QMessageBox::Ok,
                                    QMessageBox::Ok};
    MessageBoxes::Show(message);
}

}  // namespace kr::gui
