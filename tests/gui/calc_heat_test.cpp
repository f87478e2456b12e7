// The heat-rejection calculator, typed into as a user would.
#include "core/data/text_keys.h"
#include "gui/calc/form_calc_heat.h"
#include "gui/widgets/color_button.h"
#include "support/modal.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QtTest>

namespace kr::gui::test {

namespace {

QString AccessibleText(QWidget* control, QAccessible::Text kind)
{
    return QAccessible::queryAccessibleInterface(control)->text(kind);
}

}  // namespace

class CalcHeatTest : public QObject {
    Q_OBJECT

private slots:
    void WorkedExampleShowsAndTransfers_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<char>("separator");
        QTest::newRow("English") << "English" << '.';
        QTest::newRow("German") << "Deutsch" << ',';
    }

    void WorkedExampleShowsAndTransfers()
    {
        QFETCH(QString, language);
        QFETCH(char, separator);
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0), String("Language", language.toStdString())});
        program.State().Format.DecimalSeparator = separator;
        TFormStartmenu& window = program.Window();
        window.show();
        const QString file = language + QStringLiteral(".SPROG");
        const auto text = [&](const TextKey& key) { return QString::fromStdString(DistText(file, key.Key)); };
        // What the user reads, with the locale's separator in place of '.'.
        const auto typed = [&](const char* t) { return QString::fromLatin1(t).replace(u'.', QChar::fromLatin1(separator)); };

        bool seen = false;
        WhenDialogShown<TFormCalcHeat>([&](TFormCalcHeat& d) {
            seen = true;
            // A failed check leaves the lambda early; exec() must still return.
            const auto closeOnFailure = qScopeGuard([&d] { if (d.isVisible()) d.reject(); });
            QCOMPARE(d.windowTitle(), text(keys::HeatRejectionCalculation));
            QCOMPARE(d.pos(), QPoint(window.x() + (window.width() - d.width()) / 2,
                                     window.y() + (window.height() - d.height()) / 2));
            // Screen readers find each field and unit list by its label.
            const struct {
                QLabel* Label;
                QLineEdit* Edit;
                QComboBox* Units;
                TextKey Caption;
            } rows[] = {
                {d.LabelOilVolume, d.EditOilVolume, d.ComboBoxOilVolume, keys::OilVolume},
                {d.LabelDensity, d.EditDensity, d.ComboBoxDensity, keys::Density},
                {d.LabelHeatCap, d.EditheatCap, d.ComboBoxHeatCap, keys::SpecificHeat},
                {d.LabelIntTemp, d.EditIntTemp, d.ComboBoxIntTemp, keys::InitialTemperature},
                {d.LabelObTemp, d.EditObTemp, d.ComboBoxObTemp, keys::ObtainedTemperature},
                {d.LabelTime, d.EditTime, d.ComboBoxTime, keys::TimeInterval},
                {d.LabelHeatRejection, d.EditHeatRejection, d.ComboBoxHeatRejection, keys::HeatRejection},
            };
            for (const auto& row : rows) {
                QCOMPARE(row.Label->text(), text(row.Caption));
                QCOMPARE(AccessibleText(row.Edit, QAccessible::Name), row.Label->text());
                QCOMPARE(AccessibleText(row.Units, QAccessible::Name), row.Label->text());
                QCOMPARE(AccessibleText(row.Units, QAccessible::Description), text(keys::UnitOfMeasure));
            }
            QCOMPARE(AccessibleText(d.zBitColBtnTransfer, QAccessible::Name), text(keys::Transfer));
            QCOMPARE(d.EditTime->toolTip(), text(keys::HintTimeInterval));

            // Opening values; what Reset brings back after units and fields changed.
            for (int pass = 0; pass < 2; ++pass) {
                for (QComboBox* box : {d.ComboBoxOilVolume, d.ComboBoxHeatCap, d.ComboBoxTime, d.ComboBoxHeatRejection})
                    QCOMPARE(box->currentIndex(), 0);
                QCOMPARE(d.ComboBoxDensity->currentText(), QStringLiteral("kg/l"));
                QCOMPARE(d.EditDensity->text(), typed("0.85"));
                QCOMPARE(d.EditheatCap->text(), typed("2.1"));
                QCOMPARE(d.EditHeatRejection->text(), typed("0.00"));
                QVERIFY(d.EditOilVolume->text().isEmpty() && d.EditTime->text().isEmpty());
                QTest::keyClicks(d.EditOilVolume, QStringLiteral("5"));
                QTest::keyClicks(d.EditTime, QStringLiteral("-1"));
                QTest::keyClicks(d.EditObTemp, QStringLiteral("1"));
                d.ComboBoxDensity->setCurrentIndex(2);
                d.ComboBoxHeatCap->setCurrentIndex(1);
                d.ComboBoxHeatRejection->setCurrentIndex(3);
                QTest::mouseClick(d.zBitColBtnCalc, Qt::LeftButton);
                QVERIFY(d.EditHeatRejection->text().startsWith(u'-'));  // cooled: shown as it is
                QTest::mouseClick(d.zBitColBtnReset, Qt::LeftButton);
            }
            // The measurement typed; a letter is refused with a beep.
            QTest::mouseClick(d.EditOilVolume, Qt::LeftButton);  // Reset is no longer the default button
            QTest::keyClicks(d.EditOilVolume, QStringLiteral("10x0"));
            QCOMPARE(d.EditOilVolume->text(), QStringLiteral("100"));
            QCOMPARE(answerer.Beeps, std::vector<BeepKind>{BeepKind::Default});
            QTest::keyClicks(d.EditIntTemp, QStringLiteral("40"));
            QTest::keyClicks(d.EditObTemp, QStringLiteral("50"));
            QTest::keyClicks(d.EditTime, QStringLiteral("20"));
            QTest::keyClick(d.EditTime, Qt::Key_Return);  // Enter calculates
            QCOMPARE(d.EditHeatRejection->text(), typed("1.49"));
            // The screen as the user sees it (under a window manager) goes to KR_SCREENSHOT_DIR.
            const QString folder = qEnvironmentVariable("KR_SCREENSHOT_DIR");
            if (!folder.isEmpty()) {
                QTest::qWait(500);
                const QString name = QStringLiteral("calc-heat-%1.png").arg(language);
                QVERIFY(d.screen()->grabWindow(0).save(QDir(folder).filePath(name)));
            }

            // Another result unit re-shows the result; density is re-expressed.
            d.ComboBoxHeatRejection->setCurrentIndex(1);
            QCOMPARE(d.EditHeatRejection->text(), typed("1487.50"));
            d.ComboBoxHeatRejection->setCurrentIndex(2);
            QCOMPARE(d.EditHeatRejection->text(), typed("1279.03"));
            d.ComboBoxDensity->setCurrentIndex(0);
            QCOMPARE(d.EditDensity->text(), QStringLiteral("850"));
            QTest::mouseClick(d.zBitColBtnCalc, Qt::LeftButton);
            QCOMPARE(d.EditHeatRejection->text(), typed("1279.03"));
            d.ComboBoxDensity->setCurrentIndex(1);
            QCOMPARE(d.EditDensity->text(), typed("0.85"));
            d.ComboBoxHeatRejection->setCurrentIndex(0);
            QCOMPARE(d.EditHeatRejection->text(), typed("1.49"));
            QTest::mouseClick(d.zBitColBtnTransfer, Qt::LeftButton);
        });
        const std::optional<HeatTransfer> transfer = RunHeatCalculation(&window, program.State(), window.Help());
        QVERIFY(seen);
        QVERIFY(transfer.has_value());
        QCOMPARE(QString::fromStdString(transfer->HeatText), typed("1.5"));
        QCOMPARE(transfer->HeatUnit, 0);
    }

    void CloseTransfersNothing()
    {
        RunningProgram program({Dword("Showmenu", 0)});
        WhenDialogShown<TFormCalcHeat>([&](TFormCalcHeat& d) {
            QTest::mouseClick(d.zBitColBtnCalc, Qt::LeftButton);
            QTest::mouseClick(d.zBitColBtnClose, Qt::LeftButton);
        });
        QVERIFY(!RunHeatCalculation(&program.Window(), program.State(), program.Window().Help()).has_value());
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::CalcHeatTest)
#include "calc_heat_test.moc"
