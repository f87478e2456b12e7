#pragma once

#include "core/data/language.h"

#include <QComboBox>
#include <QPixmap>
#include <QString>

namespace kr::gui {

// A choice of language: one item per loaded language file, in list order,
// showing the file's flag and its "Language" text. Every item is as high
// as the tallest flag, at least MinItemHeight.
class LanguagePicker : public QComboBox {
    Q_OBJECT
public:
    static constexpr int MinItemHeight = 16;
    static constexpr int FlagLeft = 2;
    static constexpr int FlagTop = 1;
    static constexpr int TextGap = 6;  // text starts this far right of the flag's width

    explicit LanguagePicker(QWidget* parent = nullptr);

    // The flag file is appDir + the language's "FLAG" text.
    void Fill(const LanguageList& languages, const QString& appDir);
    int ItemHeight() const { return itemHeight_; }
    QPixmap Flag(int index) const;

    // Where an item's flag and text go inside the item's rectangle.
    static QPoint FlagPosition(const QRect& item);
    static int TextLeft(const QRect& item, const QPixmap& flag);

    // The flag bitmap with a one-pixel black frame on its edges, or a null
    // pixmap when the file is missing or no bitmap.
    static QPixmap LoadFlag(const QString& file);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int itemHeight_ = MinItemHeight;
};

}  // namespace kr::gui
