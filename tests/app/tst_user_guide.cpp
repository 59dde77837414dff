// The Help menu: F1 opens the user guide at the section of the window in use, every link and
// picture of the guide leads somewhere, About names the license of every library the editor
// links or loads, and the README, the guide, the IR window and kestrel-x say the same of the
// WAV files that work.
#include "editor_fixture.h"

#include "app/AboutBox.h"
#include "app/GuideBrowser.h"
#include "app/HelpMenu.h"
#include "app/Main.h"
#include "app/NewVersionMsg.h"
#include "app/guide_places.h"
#include "app/linked_libraries.h"
#include "cli/help_text.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "ir/ui/ImpulseResponse.h"
#include "ir/wav_formats.h"
#include "library/ui/FXInfo.h"
#include "params/ui/FXParameters.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

using namespace kx;

namespace {

QAction* action(TformMain& main, const char* name) {
    return main.findChild<QAction*>(QLatin1String(name));
}

TformGuide* guide_window(TformMain& main) {
    return main.findChild<TformGuide*>(QStringLiteral("formGuide"));
}

// The heading block of `view`'s page that carries `anchor`.
QTextBlock heading_with_anchor(const QTextBrowser& view, const QString& anchor) {
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() > 0)
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().anchorNames().contains(anchor))
                    return block;
    return {};
}

QByteArray source_file(const QString& relative) {
    QFile file(QStringLiteral(KX_SOURCE_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The libraries a program or module names as needed.
QStringList needed_libraries(const QString& binary) {
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), binary});
    if (!readelf.waitForFinished(30000) || readelf.exitCode() != 0)
        return {};
    QStringList names;
    static const QRegularExpression needed(QStringLiteral(R"(\(NEEDED\).*\[(.+)\])"));
    for (const QString& line : QString::fromLocal8Bit(readelf.readAllStandardOutput()).split('\n'))
        if (const auto match = needed.match(line); match.hasMatch())
            names << match.captured(1);
    return names;
}

// The libraries the sources load by name while the editor runs ("libsoxr.so.0").
QStringList loaded_libraries() {
    QStringList names;
    static const QRegularExpression soname(
        QStringLiteral(R"re("(lib[A-Za-z0-9_+-]+\.so\.\d+)")re"));
    for (const char* folder : {"app", "base", "ir", "link", "params", "session", "library"}) {
        QDirIterator files(QStringLiteral(KX_SOURCE_DIR "/") + QLatin1String(folder),
                           {QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            auto matches = soname.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext())
                names << matches.next().captured(1);
        }
    }
    return names;
}

} // namespace

class TestUserGuide : public QObject {
    Q_OBJECT
private slots:
    void f1_opens_the_section_of_the_window_in_use_data();
    void f1_opens_the_section_of_the_window_in_use();
    void every_link_and_picture_of_the_guide_is_there();
    void help_menu_items();
    void about_names_every_linked_library_and_its_license();
    void one_list_of_wav_formats_everywhere();
};

void TestUserGuide::f1_opens_the_section_of_the_window_in_use_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading"); // the section's heading; empty: the page's top
    QTest::newRow("main window") << "formMain"
                                 << "effects.md"
                                 << "";
    QTest::newRow("parameters") << "formFXParameters"
                                << "editing.md"
                                << "";
    QTest::newRow("information page") << "formFXInfo"
                                      << "effects.md"
                                      << "The information page";
    QTest::newRow("assignment map") << "formAssignmentMap"
                                    << "assignments.md"
                                    << "The Assignment Map";
    QTest::newRow("preset library") << "formPresetLibrary"
                                    << "presets.md"
                                    << "The Preset Library";
    QTest::newRow("impulse response") << "formImpulseResponse"
                                      << "impulse-responses.md"
                                      << "";
    QTest::newRow("firmware") << "formFirmwareUpgrade"
                              << "firmware.md"
                              << "";
    QTest::newRow("connection doctor") << "formConnectionDoctor"
                                       << "connection-doctor.md"
                                       << "";
    QTest::newRow("log console") << "formPrint"
                                 << "connection-doctor.md"
                                 << "The log console";
    QTest::newRow("new version") << "formNewVersionMsg"
                                 << "README.md"
                                 << "Updates";
    QTest::newRow("about") << "formAbout"
                           << "README.md"
                           << "Updates";
}

void TestUserGuide::f1_opens_the_section_of_the_window_in_use() {
    QFETCH(QString, window);
    QFETCH(QString, page);
    QFETCH(QString, heading);
    EditorFixture f;
    f.start();
    TformMain& w = f.main();
    f.choose_effect(QStringLiteral("Gain"), QStringLiteral("Basalt Fuzz Box"));
    kx::test::settle();
    // Open the window as a user does.
    if (window == QLatin1String("formFXInfo"))
        w.btnGetFXInfo->click();
    else if (window == QLatin1String("formAssignmentMap"))
        w.menuAssignmentMap->trigger();
    else if (window == QLatin1String("formPresetLibrary"))
        w.menuPresetLibrary->trigger();
    else if (window == QLatin1String("formImpulseResponse"))
        f.windows->formImpulseResponse->show();
    else if (window == QLatin1String("formFirmwareUpgrade"))
        f.windows->formFirmwareUpgrade->show();
    else if (window == QLatin1String("formConnectionDoctor"))
        action(w, "menuConnectionDoctor")->trigger();
    else if (window == QLatin1String("formPrint"))
        w.FormKeyDown();
    else if (window == QLatin1String("formNewVersionMsg"))
        f.windows->formNewVersionMsg->show();
    else if (window == QLatin1String("formAbout"))
        action(w, "menuAbout")->trigger();
    kx::test::settle();
    QWidget* shown = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == window && top->isVisible())
            shown = top;
    QVERIFY2(shown, qPrintable(window + " is not shown"));
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));

    // The key itself, as pressed in that window.
    QTest::keyClick(shown, Qt::Key_F1);
    kx::test::settle();
    TformGuide* guide = guide_window(w);
    QVERIFY(guide);
    QVERIFY(guide->isVisible());
    const QString anchor = heading.isEmpty() ? QString() : heading_anchor(heading);
    QUrl expected(QString::fromLatin1(kGuideRoot) + page);
    if (!anchor.isEmpty())
        expected.setFragment(anchor);
    QCOMPARE(guide->txtGuide->source(), expected);
    QVERIFY2(!guide->txtGuide->toPlainText().isEmpty(), "the page is empty");
    if (anchor.isEmpty()) {
        QCOMPARE(guide->txtGuide->verticalScrollBar()->value(), 0);
        return;
    }
    // The section's heading is at the top of the view, or the page ends before it could be.
    const QTextBlock block = heading_with_anchor(*guide->txtGuide, anchor);
    QVERIFY2(block.isValid(), qPrintable("no heading \"" + heading + "\" in " + page));
    QCOMPARE(block.text(), heading);
    const int top =
        int(guide->txtGuide->document()->documentLayout()->blockBoundingRect(block).top());
    const QScrollBar* bar = guide->txtGuide->verticalScrollBar();
    QVERIFY2(
        bar->value() == top || (bar->value() == bar->maximum() && bar->maximum() < top),
        qPrintable(
            QStringLiteral("scrolled to %1, the heading is at %2").arg(bar->value()).arg(top)));
}

// The links between the pages, their anchors and their pictures, as the editor shows them.
void TestUserGuide::every_link_and_picture_of_the_guide_is_there() {
    QDirIterator pages(QStringLiteral(":/guide"), {QStringLiteral("*.md")}, QDir::Files);
    QStringList faults;
    int checked = 0;
    GuideView view;
    view.resize(760, 600);
    while (pages.hasNext()) {
        const QString page = QFileInfo(pages.next()).fileName();
        const QUrl url(QString::fromLatin1(kGuideRoot) + page);
        view.setSource(url);
        QStringList links;
        QStringList pictures;
        for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isImageFormat())
                    pictures << format.toImageFormat().name();
                else if (format.isAnchor() && !format.anchorHref().isEmpty())
                    links << format.anchorHref();
            }
        for (const QString& picture : pictures) {
            ++checked;
            const QUrl target = url.resolved(QUrl(picture));
            if (!QFile::exists(QLatin1Char(':') + target.path()))
                faults << page + ": no picture " + picture;
        }
        for (const QString& link : links) {
            const QUrl target = url.resolved(QUrl(link));
            if (target.scheme() != QLatin1String("qrc"))
                continue; // a web address
            ++checked;
            if (!QFile::exists(QLatin1Char(':') + target.path())) {
                faults << page + ": no page " + link;
                continue;
            }
            if (!target.hasFragment())
                continue;
            GuideView other;
            other.setSource(target);
            if (!heading_with_anchor(other, target.fragment()).isValid())
                faults << page + ": no section " + link;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QVERIFY2(checked > 20, "the guide's links were not found");
}

void TestUserGuide::help_menu_items() {
    EditorFixture f;
    f.start();
    TformMain& w = f.main();
    auto* help = w.findChild<QMenu*>(QStringLiteral("menuHelp"));
    QVERIFY(help);
    QStringList names;
    for (QAction* item : help->actions())
        if (!item->isSeparator())
            names << item->objectName();
    QCOMPARE(names, (QStringList{"menuUserGuide", "menuConnectionDoctor", "menuCheckForUpdates",
                                 "menuInfo", "menuAbout", "menuAboutQt"}));
    // One version check, in Help only.
    QCOMPARE(w.findChildren<QAction*>(QStringLiteral("menuCheckForUpdates")).size(), 1);
    QCOMPARE(action(w, "menuUserGuide")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(action(w, "menuQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(w.menuFile->actions().last(), action(w, "menuQuit"));
    // Help is last in the bar and is shown whole, not behind the bar's overflow button.
    QCOMPARE(w.MenuBar1->actions().last(), help->menuAction());
    const QRect place = w.MenuBar1->actionGeometry(help->menuAction());
    QVERIFY2(place.isValid() && place.right() < w.MenuBar1->width(),
             qPrintable(QStringLiteral("Help at %1..%2 of %3")
                            .arg(place.left())
                            .arg(place.right())
                            .arg(w.MenuBar1->width())));
    action(w, "menuAboutQt")->trigger(); // Qt's own box: nothing here to wait for
    action(w, "menuConnectionDoctor")->trigger();
    kx::test::settle();
    QVERIFY(w.findChild<QWidget*>(QStringLiteral("formConnectionDoctor"))->isVisible());
}

void TestUserGuide::about_names_every_linked_library_and_its_license() {
    EditorFixture f;
    f.start();
    TformMain& w = f.main();
    action(w, "menuAbout")->trigger();
    auto* about = w.findChild<TformAbout*>(QStringLiteral("formAbout"));
    QVERIFY(about);
    QVERIFY(about->isVisible());
    const QString version = about->lblVersion->text();
    QVERIFY2(version.contains(get_app_version()), qPrintable(version));
    QVERIFY2(version.contains(QString::fromLatin1(qVersion())), qPrintable(version));
    QVERIFY2(version.contains(QRegularExpression(QStringLiteral(R"(built on \d{4}-\d\d-\d\d)"))),
             qPrintable(version));
    const QString shown = about->memoLicenses->toPlainText();

    // What the programs link and what the sources load by name.
    QStringList libraries = loaded_libraries();
    QVERIFY2(libraries.contains(QStringLiteral("libsndfile.so.1")),
             "the loaded names were not found");
    for (const char* binary : {"kestrel-x-editor", "kestrel-x-https.so", "kestrel-x-serial.so"}) {
        const QString path = QStringLiteral(KX_BINARY_DIR "/") + QLatin1String(binary);
        QVERIFY2(QFile::exists(path), qPrintable(path + " is not built"));
        const QStringList needed = needed_libraries(path);
        QVERIFY2(!needed.isEmpty(), qPrintable("readelf found nothing in " + path));
        libraries << needed;
    }
    libraries.removeDuplicates();
    const QList<LinkedLibrary> table = linked_libraries();
    QStringList missing;
    for (const QString& soname : libraries) {
        const int row = linked_library_row(soname);
        if (row < 0) {
            missing << soname + " has no row";
            continue;
        }
        const LinkedLibrary& library = table.at(row);
        if (!shown.contains(library.name) || !shown.contains(library.license) ||
            !shown.contains(QStringLiteral("/usr/share/doc/%1/copyright").arg(library.package)))
            missing << soname + " (" + library.name + ") is not shown with its license";
        // The package named is the one whose copyright file gave the license.
        if (QFile::exists(QStringLiteral("/usr/share/doc/%1").arg(library.package)) &&
            !QFile::exists(QStringLiteral("/usr/share/doc/%1/copyright").arg(library.package)))
            missing << library.package + " has no copyright file";
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    for (const char* name : {"Qt 6", "libsndfile", "libsoxr", "QCoro"})
        QVERIFY2(shown.contains(QLatin1String(name)), name);
}

void TestUserGuide::one_list_of_wav_formats_everywhere() {
    const QString formats = QString::fromLatin1(kWavFormats);
    for (const char* file :
         {"README.md", "docs/guide/impulse-responses.md", "docs/guide/command-line.md"}) {
        const QString text = QString::fromUtf8(source_file(QLatin1String(file))).simplified();
        QVERIFY2(text.contains(formats), file);
    }
    QVERIFY(impulse_response_howto().contains(formats));
    const cli::CommandHelp* upload = cli::find_command(QStringLiteral("upload"));
    QVERIFY(upload);
    QVERIFY2(cli::command_help(*upload, 10000).simplified().contains(formats),
             qPrintable(cli::command_help(*upload, 100)));
}

QTEST_MAIN(TestUserGuide)
#include "tst_user_guide.moc"
