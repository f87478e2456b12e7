#include "gui/app/form_errors.h"

#include "core/common/wrap_text.h"
#include "core/data/text_keys.h"
#include "gui/app/create_controls.h"
#include "gui/app/dialog_support.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/message_boxes.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/panels.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>

namespace kr::gui {

namespace {

constexpr QSize ClientSize{542, 273};
constexpr int UpperPanelHeight = 228;
constexpr int LowerPanelHeight = 44;
constexpr QRect ScrollBoxRect{6, 6, 525, 211};
constexpr QSize OkButtonSize{145, 26};

// The list is wrapped to this width less the room of an entry's number.
constexpr int ListWidth = 500;
const QString NumberRoom = QStringLiteral("01.    ");
const QString ContinuationIndent = QStringLiteral("       ");

}  // namespace

QStringList WrapErrorLines(const QString& text, int availableWidth, const std::function<int(const QString&)>& width)
{
    const TextWidthMeasure measure = [&width](std::string_view piece) { return width(FromUtf8(piece)); };
    QStringList shown;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(lineEnd)) {
        const std::vector<std::string> pieces = WrapTextToWidth(ToUtf8(line), availableWidth, measure);
        for (std::size_t i = 0; i < pieces.size(); ++i)
            shown << (i == 0 ? QString() : ContinuationIndent) + FromUtf8(pieces[i]);
    }
    return shown;
}

TFormErrors::TFormErrors(QWidget* owner, const LanguageTable& texts)
    : QDialog(owner, FixedDialogFlags)
{
    setObjectName(QStringLiteral("FormErrors"));
    setFixedSize(ClientSize);

    auto* upper = MakeControl<BevelFrame>(this, "PanelTop", BevelFrame::Bevel::Raised);
    upper->setGeometry(0, 0, ClientSize.width(), UpperPanelHeight);
    ScrollBox1 = MakeControl<QScrollArea>(upper, "ScrollBox1");
    ScrollBox1->setGeometry(ScrollBoxRect);
    ScrollBox1->setBackgroundRole(QPalette::Base);
    LabelText = MakeControl<QLabel>(nullptr, "LabelText");
    LabelText->setTextFormat(Qt::PlainText);
    LabelText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelText->setContentsMargins(4, 4, 4, 4);
    ScrollBox1->setWidget(LabelText);
    ScrollBox1->setWidgetResizable(false);

    auto* lower = MakeControl<GradientPanel>(this, "PanelBottom");
    lower->setGeometry(0, ClientSize.height() - LowerPanelHeight, ClientSize.width(), LowerPanelHeight);
    zGradBtnOK = MakeControl<ColorButton>(lower, "zGradBtnOK", Glyph::Ok);
    zGradBtnOK->setGeometry((ClientSize.width() - OkButtonSize.width()) / 2,
                            (LowerPanelHeight - OkButtonSize.height()) / 2, OkButtonSize.width(), OkButtonSize.height());
    zGradBtnOK->setDefault(true);
    connect(zGradBtnOK, &QAbstractButton::clicked, this, &QDialog::accept);

    setWindowTitle(Text(texts, keys::ErrorCaption));
    zGradBtnOK->setText(Text(texts, keys::Ok));
    zGradBtnOK->setAccessibleName(zGradBtnOK->text());
    if (owner)
        CentreOnOwner(*this, *owner);
}

void TFormErrors::SetErrorText(const QString& text)
{
    const QFontMetrics metrics(LabelText->font());
    const int available = ListWidth - metrics.horizontalAdvance(NumberRoom);
    const QStringList lines =
        WrapErrorLines(text, available, [&metrics](const QString& piece) { return metrics.horizontalAdvance(piece); });
    LabelText->setText(lines.join(QStringLiteral("\n")));
    LabelText->adjustSize();
}

void ShowErrorList(QWidget* owner, const LanguageTable& texts, const QString& text)
{
    TFormErrors errors(owner, texts);
    errors.SetErrorText(text);
    MessageBoxes::Beep(BeepKind::Error);
    errors.exec();
}

}  // namespace kr::gui
