#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace kr {
struct SavedQuotation;
}  // namespace kr

namespace kr::gui {

class QuotationTab;
class TFormStartmenu;

// File -> Save quotation and Open quotation: the Quotation tab's header,
// discount and items kept in a quotation file, and brought back from one
// in place of the quotation shown. The tab makes it and hands it the menu
// items.
class QuotationFiles : public QObject {
    Q_OBJECT
public:
    QuotationFiles(QuotationTab& tab, TFormStartmenu& window);

    // The two menu items' captions and hints in the screen language.
    void ApplyTexts();

public slots:
    // Asks where, then writes the file whole or not at all; a failure says
    // which file and why.
    void MenuSaveQuotationClick();
    // Asks which file; a file that cannot be opened as a quotation is
    // refused with the reason and changes nothing. Items shown are replaced
    // only when the user agrees.
    void MenuOpenQuotationClick();

private:
    QString StartFolder() const;
    // The quotation number made a file name, else the open file's name,
    // else the word for a quotation.
    QString ProposedFileName() const;
    QString Filter() const;
    bool MayReplaceItems(const QString& file) const;
    void ReportNotKnown(const SavedQuotation& saved, const std::vector<int>& positions, const QString& file) const;

    QuotationTab& tab_;
    TFormStartmenu& window_;
    // The folder of the quotation file saved or opened last; both dialogs
    // start there.
    QString lastFolder_;
};

}  // namespace kr::gui
