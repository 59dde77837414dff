// The impulse response window: the file dialog it asks through, and the summary with its
// picture after an import.
#include "ir_fixtures.h"

#include "base/log.h"
#include "base/scripted_dialogs.h"
#include "ir/ir_import.h"
#include "ir/ui/ImpulseResponse.h"
#include "ir/ui/ir_plots.h"
#include "library/resource_store.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace kx;
using namespace ir_fixtures;

namespace {

// With KX_SHOT_DIR set, keeps a picture of a window for a person to look at.
void keep_picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("KX_SHOT_DIR");
    if (!folder.isEmpty())
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

IrImport import_of(const QString& effect, const QString& file) {
    ScriptedDialogs dialogs;
    const ResourceStore store(dialogs);
    NullLog log;
    const QByteArray bytes = read(file);
    MemorySource source(bytes);
    return import_ir({file, source, effect}, store, log, [](const QString&) { return true; })
        .value();
}

// Share of the columns from `from` to `to` (fractions of the width) that hold the colour.
double colour_share(const QImage& image, const QColor& colour, double from, double to) {
    int found = 0;
    const int first = int(image.width() * from);
    const int last = int(image.width() * to);
    for (int x = first; x < last; ++x) {
        bool in_column = false;
        for (int y = 0; y < image.height() && !in_column; ++y)
            in_column = image.pixelColor(x, y) == colour;
        found += in_column ? 1 : 0;
    }
    return double(found) / (last - first);
}

} // namespace

class TestImpulseResponseWindow : public QObject {
    Q_OBJECT
private slots:
    void file_dialog_remembers_the_folder();
    void shows_the_summary_and_the_picture();
};

void TestImpulseResponseWindow::file_dialog_remembers_the_folder() {
    TformImpulseResponse window;
    struct Recording : ScriptedDialogs {
        QStringList filters;
        QStringList folders;
        QString open_file(const QString& caption, const QString& filter,
                          const QString& folder) override {
            filters << caption + QLatin1Char('|') + filter;
            folders << folder;
            return ScriptedDialogs::open_file(caption, filter, folder);
        }
    } dialogs;
    dialogs.files << path(kCanonical);
    QCOMPARE(window.OpenDialog1Execute(dialogs), path(kCanonical));
    QCOMPARE(window.OpenDialog1Execute(dialogs), QString()); // cancelled
    QCOMPARE(dialogs.filters, QStringList(2, QStringLiteral("Load IR|Wave Files (*.wav)")));
    QCOMPARE(dialogs.folders, (QStringList{QString(), path(QString()).chopped(1)}));
}

void TestImpulseResponseWindow::shows_the_summary_and_the_picture() {
    TformImpulseResponse window;
    QCOMPARE(window.windowTitle(), QStringLiteral("IR"));
    QVERIFY(!window.isVisible());
    const IrImport import = import_of("Fenwick + IR Loader", "float32-stereo-48k.wav");
    window.show_import(import);
    QVERIFY(window.isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.lblSummary->text(), QString(import.summary).replace("\r\n", "\n"));
    QCOMPARE(window.lblEnergy->text(), import.energy_line);
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QVERIFY2(!widget->objectName().isEmpty(), widget->metaObject()->className());
        // Labels and the button are named by what they show, the pictures by a name of theirs.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                 qPrintable(widget->objectName()));
    }
    // Nothing is cut: every line of the summary fits its label.
    QVERIFY(window.lblSummary->height() >= window.lblSummary->sizeHint().height());
    QVERIFY(window.lblEnergy->width() >= window.lblEnergy->sizeHint().width() ||
            window.lblEnergy->wordWrap());
    keep_picture(window, QStringLiteral("impulse-response"));

    // The 703 loaded samples of the 1000 shown are drawn in the strong colour, the rest not.
    const QColor strong = window.palette().color(QPalette::Highlight);
    const QImage waveform = window.imgWaveform->grab().toImage();
    const double loaded = colour_share(waveform, strong, 0.15, 0.5);
    const double rest = colour_share(waveform, strong, 0.8, 0.95);
    QVERIFY2(loaded > 0.9 && rest == 0, qPrintable(QStringLiteral("%1 %2").arg(loaded).arg(rest)));
    // The response is a curve across the whole width.
    const QImage response = window.imgResponse->grab().toImage();
    const double low = colour_share(response, strong, 0.15, 0.5);
    const double high = colour_share(response, strong, 0.5, 0.95);
    QVERIFY2(low > 0.9 && high > 0.9, qPrintable(QStringLiteral("%1 %2").arg(low).arg(high)));

    window.btnOK->click();
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestImpulseResponseWindow)
#include "tst_impulse_response_window.moc"
