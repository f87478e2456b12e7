#include "gui/widgets/language_picker.h"

#include "core/data/text_keys.h"
#include "gui/platform/data_file_path.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace kr::gui {

namespace {

// Draws an item as the picker's items look: flag, then the text centred
// vertically.
void PaintItem(QPainter& painter, const QRect& item, const QPixmap& flag, const QString& text,
               const QFontMetrics& metrics)
{
    if (!flag.isNull())
        painter.drawPixmap(LanguagePicker::FlagPosition(item), flag);
    const int textLeft = LanguagePicker::TextLeft(item, flag);
    const int textTop = item.top() + (item.height() - metrics.height()) / 2;
    painter.drawText(QRect(textLeft, textTop, qMax(0, item.right() - textLeft), metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

class LanguageItemDelegate final : public QStyledItemDelegate {
public:
    explicit LanguageItemDelegate(LanguagePicker* picker) : QStyledItemDelegate(picker), picker_(picker) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), picker_->ItemHeight()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        PaintItem(*painter, option.rect, picker_->Flag(index.row()), index.data().toString(), option.fontMetrics);
        painter->restore();
    }

private:
    LanguagePicker* picker_;
};

}  // namespace

LanguagePicker::LanguagePicker(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new LanguageItemDelegate(this));
}

QPixmap LanguagePicker::LoadFlag(const QString& file)
{
    QImage image;
    if (!QFileInfo(file).isFile() || !image.load(file, "BMP"))
        return {};
    image = image.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
    painter.end();
    return QPixmap::fromImage(image);
}

void LanguagePicker::Fill(const LanguageList& languages, const QString& appDir)
{
    clear();
    itemHeight_ = MinItemHeight;
    for (const Language& language : languages) {
        const QString text = QString::fromStdString(language.Table.Lookup(keys::Language.Key));
        const QString flagFile =
            PathInsideFolder(appDir, QString::fromStdString(language.Table.Lookup(keys::Flag.Key)));
        const QPixmap flag = flagFile.isEmpty() ? QPixmap() : LoadFlag(flagFile);
        addItem(text, flag);
        itemHeight_ = qMax(itemHeight_, flag.height());
    }
    view()->doItemsLayout();
    updateGeometry();
}

QPixmap LanguagePicker::Flag(int index) const
{
    return itemData(index).value<QPixmap>();
}

QPoint LanguagePicker::FlagPosition(const QRect& item)
{
    return {item.left() + FlagLeft, item.top() + FlagTop};
}

int LanguagePicker::TextLeft(const QRect& item, const QPixmap& flag)
{
    return flag.isNull() ? item.left() + FlagLeft : item.left() + flag.width() + TextGap;
}

QSize LanguagePicker::sizeHint() const
{
    QSize size = QComboBox::sizeHint();
    size.setHeight(qMax(size.height(), itemHeight_ + 6));
    return size;
}

void LanguagePicker::paintEvent(QPaintEvent*)
{
    // The closed box shows the chosen item the way the list shows it.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.setClipRect(field);
    if (currentIndex() >= 0)
        PaintItem(painter, field, Flag(currentIndex()), currentText(), fontMetrics());
}

}  // namespace kr::gui
