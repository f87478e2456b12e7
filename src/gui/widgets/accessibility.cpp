#include "gui/widgets/accessibility.h"

#include "gui/widgets/picture_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace kr::gui {

namespace {

class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || (t == QAccessible::Name && Box()->accessibleName().isEmpty()))
            return Box()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The popup list, as Qt's own interface has it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(Box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == Box()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (Box()->view()->isVisible())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ProgramControlFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox")) {
        auto* box = qobject_cast<QComboBox*>(object);
        return box && !box->isEditable() ? new NamedComboBox(box) : nullptr;
    }
    if (auto* picture = qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(ProgramControlFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace kr::gui
