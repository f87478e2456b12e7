#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace kr::gui {

// A tab bar whose tabs all have one fixed width (when set).
class FixedWidthTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit FixedWidthTabBar(QWidget* parent = nullptr);
    void SetTabWidth(int width);
    int TabWidth() const { return tabWidth_; }

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;

private:
    int tabWidth_ = 0;
};

// Pages with tabs of equal, fixed width.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);
    void SetTabWidth(int width);
    int TabWidth() const;
    FixedWidthTabBar* Tabs() const { return tabs_; }

private:
    FixedWidthTabBar* tabs_;
};

}  // namespace kr::gui
