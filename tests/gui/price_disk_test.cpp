// The price update dialog on a started program.
#include "core/quote/price_file.h"
#include "gui/quote/form_price_disk.h"
#include "gui/widgets/color_button.h"
#include "support/modal.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QFileDialog>
#include <QListWidget>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

namespace kr::gui::test {

namespace {

const QString SamplePriceDisk = QStringLiteral(KR_DIST_DIR "/pricedisk/Price.dat");

QByteArray FileBytes(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void WriteFile(const QString& file, const QByteArray& bytes)
{
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(out.write(bytes), bytes.size());
}

// Picks the file in the dialog that the open button shows.
void PickFile(TFormPriceDisk& dialog, const QString& file)
{
    WhenDialogShown<QFileDialog>([file](QFileDialog& picker) {
        picker.selectFile(file);
        static_cast<QDialog&>(picker).accept();
    });
    QTest::mouseClick(dialog.ButtonOpenList, Qt::LeftButton);
}

QStringList Lines(const QListWidget& list)
{
    QStringList lines;
    for (int i = 0; i < list.count(); ++i)
        lines << list.item(i)->text();
    return lines;
}

std::vector<std::string> Keys(const PriceRecordList& table)
{
    std::vector<std::string> keys;
    for (const PriceEntry& entry : table)
        keys.push_back(entry.Key);
    return keys;
}

}  // namespace

class PriceDiskTest : public QObject {
    Q_OBJECT

private slots:
    void UpdatesFromTheSamplePriceDisk()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0)});
        AppState& state = program.State();
        const PriceLookup before = LookUpPrice(state.PriceRecords, "KR010-A2");
        bool seen = false;
        WhenDialogShown<TFormPriceDisk>([&](TFormPriceDisk& dialog) {
            seen = true;
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Price update"));
            QVERIFY(!dialog.ButtonStart->isEnabled());
            PickFile(dialog, SamplePriceDisk);
            QCOMPARE(Lines(*dialog.MemoData),
                     QStringList({QStringLiteral("Issue date\t2024-09-01"), QStringLiteral("Price disk no.\t42"),
                                  QStringLiteral("Issued by\tKalvorn Group, price list DK 2024/2"),
                                  QStringLiteral("Valid until\t2025-06-30")}));
            QVERIFY(dialog.ButtonStart->isEnabled());
            QTest::mouseClick(dialog.ButtonStart, Qt::LeftButton);
            QCOMPARE(dialog.zGaugeRead->maximum(), static_cast<int>(state.PriceRecords.size()));
            QCOMPARE(dialog.zGaugeRead->value(), dialog.zGaugeRead->maximum());
        });
        QVERIFY(RunPriceUpdate(&program.Window(), state, program.Window().Help()).Replaced);
        QVERIFY(seen);
        QVERIFY(answerer.Requests.empty());
        QCOMPARE(FileBytes(program.Folder.Dir() + QStringLiteral("Price.dat")), FileBytes(SamplePriceDisk));
        PriceRecordList expected;
        LoadPriceRecords(SamplePriceDisk.toStdString(), expected);
        QCOMPARE(Keys(state.PriceRecords), Keys(expected));
        const PriceLookup after = LookUpPrice(state.PriceRecords, "KR010-A2");
        QVERIFY(after.Found && after.Price != before.Price);
    }

    // A cut-off file is refused when chosen, and when it was cut off after
    // being chosen; each time the user is told, and the price file and the
    // prices stay as they were.
    void RefusesACutOffPriceDisk()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0)});
        AppState& state = program.State();
        const QString priceFile = program.Folder.Dir() + QStringLiteral("Price.dat");
        const QByteArray oldPrices = FileBytes(priceFile);
        const std::vector<std::string> oldKeys = Keys(state.PriceRecords);
        QTemporaryDir disk;
        const QString cut = disk.filePath(QStringLiteral("cut.dat"));
        const QString whole = disk.filePath(QStringLiteral("whole.dat"));
        WriteFile(cut, FileBytes(SamplePriceDisk).left(250));

        WhenDialogShown<TFormPriceDisk>([&](TFormPriceDisk& dialog) {
            PickFile(dialog, cut);
            QCOMPARE(answerer.Requests.size(), std::size_t{1});
            QVERIFY(answerer.Requests.back().Text.contains(QStringLiteral("size of 250 bytes")));
            QCOMPARE(dialog.MemoData->count(), 0);
            QVERIFY(!dialog.ButtonStart->isEnabled());

            WriteFile(whole, FileBytes(SamplePriceDisk));
            PickFile(dialog, whole);
            QVERIFY(dialog.ButtonStart->isEnabled());
            WriteFile(whole, FileBytes(SamplePriceDisk).left(250));
            QTest::mouseClick(dialog.ButtonStart, Qt::LeftButton);
            QCOMPARE(answerer.Requests.size(), std::size_t{2});
            QVERIFY(answerer.Requests.back().Text.contains(QStringLiteral("size of 250 bytes")));

            QVERIFY(dialog.isVisible());
            QTest::mouseClick(dialog.ButtonClose, Qt::LeftButton);
        });
        QVERIFY(!RunPriceUpdate(&program.Window(), state, program.Window().Help()).Replaced);
        QCOMPARE(answerer.Requests.size(), std::size_t{2});
        QCOMPARE(FileBytes(priceFile), oldPrices);
        QCOMPARE(QDir(program.Folder.Dir()).entryList({QStringLiteral("*Price*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Price.dat")});
        QCOMPARE(Keys(state.PriceRecords), oldKeys);
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::PriceDiskTest)
#include "price_disk_test.moc"
