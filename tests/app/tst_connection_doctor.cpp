#include "app/ConnectionDoctor.h"
#include "app/Main.h"
#include "app/PrintConsole.h"
#include "editor_fixture.h"
#include "platform/diagnosis.h"
#include "platform/platform.h"
#include "support/await.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>

using namespace kx;

namespace {

const QString kTrees = QStringLiteral(KX_FIXTURES_DIR "/doctor");

// The fixture trees for a user who may not open the pedal's node (root:dialout, 0660).
doctor::DoctorSources refused_sources() {
    doctor::DoctorSources sources;
    sources.sys_root = kTrees + QStringLiteral("/sys/bound");
    sources.proc_root = kTrees + QStringLiteral("/proc/quiet");
    sources.etc_root = kTrees + QStringLiteral("/etc");
    sources.identity = {1001, QStringLiteral("bob"), {1001}, false};
    sources.probe = [](const QString& path) {
        doctor::NodeFacts facts;
        facts.canonical = path;
        facts.exists = facts.char_device = true;
        facts.group = 20;
        facts.mode = 0660;
        return facts;
    };
    return sources;
}

// The cases on the fixture trees need the Linux build's doctor, which reads them.
constexpr char kNeedsLinuxDoctor[] = "reads the fixture trees, which only the Linux doctor reads";

// A root for KX_DIAGNOSE_ROOT made of fixture trees: what the editor's own doctor reads.
struct DiagnoseRoot {
    QTemporaryDir dir;
    explicit DiagnoseRoot(const QString& sys) {
        QFile::link(kTrees + QStringLiteral("/sys/") + sys, dir.filePath(QStringLiteral("sys")));
        QFile::link(kTrees + QStringLiteral("/proc/quiet"), dir.filePath(QStringLiteral("proc")));
        QFile::link(kTrees + QStringLiteral("/etc"), dir.filePath(QStringLiteral("etc")));
        qputenv("KX_DIAGNOSE_ROOT", dir.path().toLocal8Bit());
    }
    ~DiagnoseRoot() { qunsetenv("KX_DIAGNOSE_ROOT"); }
};

// The widgets Tab visits from `first`, in order, once round.
QStringList tab_chain(QWidget* window, QWidget* first) {
    QStringList names;
    QWidget* widget = first;
    do {
        if (widget->isVisibleTo(window) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus))
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first && names.size() < 50);
    return names;
}

void verify_named(QWidget& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) ||
            control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (!accessible || accessible->role() == QAccessible::ScrollBar ||
            !control->objectName().size())
            continue;
        QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                 qPrintable(control->objectName() + " has no accessible name"));
    }
}

} // namespace

class TestConnectionDoctor : public QObject {
    Q_OBJECT
private slots:
    void offers_the_rule_and_runs_it_data();
    void offers_the_rule_and_runs_it();
    void without_pkexec_the_command_remains();
    void ready_pedal_offers_nothing();
    void controls_are_named_and_tab_follows_the_layout();
    void failed_connect_opens_the_doctor_data();
    void failed_connect_opens_the_doctor();
    void diagnose_menu_item_opens_it();
    void keyboard_order_of_the_main_window_and_log_console();
};

void TestConnectionDoctor::offers_the_rule_and_runs_it_data() {
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("message");
    QTest::newRow("installed") << 0 << "The rule is installed.";
    QTest::newRow("password refused") << 126 << "The rule was not installed";
    QTest::newRow("pkexec did not start") << -1 << "The rule was not installed";
}

void TestConnectionDoctor::offers_the_rule_and_runs_it() {
    if (!platform::has_linux_parts())
        QSKIP(kNeedsLinuxDoctor);
    QFETCH(int, exit_code);
    QFETCH(QString, message);
    ScriptedDialogs dialogs;
    int diagnoses = 0;
    ConnectionDoctor doctor(
        [&] {
            ++diagnoses;
            return refused_sources();
        },
        dialogs);
    QString program;
    QStringList arguments;
    std::function<void(int)> finish;
    doctor.set_privileged_runner(
        [&](const QString& p, const QStringList& a, std::function<void(int)> done) {
            program = p;
            arguments = a;
            finish = std::move(done);
        },
        true);
    doctor.diagnose();
    doctor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&doctor));

    QVERIFY(doctor.lblSummary->text().startsWith(QLatin1String("No pedal is ready")));
    QVERIFY(doctor.memoFindings->toPlainText().contains(QLatin1String("You (bob) may not open")));
    QCOMPARE(doctor.edtCommand->text(), doctor::rule_install_command());
    QVERIFY(doctor.edtCommand->isVisible());
    QVERIFY(doctor.btnAllowAccess->isVisible() && doctor.btnAllowAccess->isEnabled());

    doctor.btnAllowAccess->click();
    kx::test::settle();
    QCOMPARE(program, QStringLiteral("pkexec"));
    QCOMPARE(arguments, doctor::rule_install_arguments());
    // One run at a time: the button waits for the answer.
    QVERIFY(!doctor.btnAllowAccess->isEnabled());
    doctor.btnAllowAccess->click();
    kx::test::settle();
    QCOMPARE(dialogs.messages.size(), 0);

    finish(exit_code);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages.first().startsWith(message), qPrintable(dialogs.messages.first()));
    QCOMPARE(diagnoses, 2); // what it did shows at once
    QVERIFY(doctor.btnAllowAccess->isEnabled());
}

void TestConnectionDoctor::without_pkexec_the_command_remains() {
    if (!platform::has_linux_parts())
        QSKIP(kNeedsLinuxDoctor);
    ScriptedDialogs dialogs;
    ConnectionDoctor doctor(refused_sources, dialogs);
    bool ran = false;
    doctor.set_privileged_runner([&](auto&&...) { ran = true; }, false);
    doctor.diagnose();
    doctor.show();
    QVERIFY(doctor.btnAllowAccess->isVisible());
    QVERIFY(!doctor.btnAllowAccess->isEnabled());
    QVERIFY(doctor.btnAllowAccess->toolTip().contains(QLatin1String("terminal")));
    QCOMPARE(doctor.edtCommand->text(), doctor::rule_install_command());
    doctor.btnCopyCommand->click();
    kx::test::settle();
    QCOMPARE(QGuiApplication::clipboard()->text(), doctor::rule_install_command());
    QVERIFY(!ran);
}

void TestConnectionDoctor::ready_pedal_offers_nothing() {
    if (!platform::has_linux_parts())
        QSKIP(kNeedsLinuxDoctor);
    ScriptedDialogs dialogs;
    ConnectionDoctor doctor(
        [] {
            doctor::DoctorSources sources = refused_sources();
            sources.identity.groups << 20; // a member of dialout
            return sources;
        },
        dialogs);
    doctor.diagnose();
    doctor.show();
    QCOMPARE(doctor.lblSummary->text(), QStringLiteral("A pedal is ready to connect."));
    // Nothing to run or copy: the parts stay in place, disabled.
    QVERIFY(doctor.edtCommand->text().isEmpty());
    QVERIFY(!doctor.edtCommand->isEnabled());
    QVERIFY(!doctor.btnCopyCommand->isEnabled());
    QVERIFY(!doctor.btnAllowAccess->isEnabled());
    // Connected, the summary says so rather than that a pedal is ready to connect.
    doctor.set_connection([] { return QStringLiteral("the virtual pedal"); });
    doctor.diagnose();
    QCOMPARE(doctor.lblSummary->text(),
             QStringLiteral("The editor is connected to the virtual pedal."));
}

void TestConnectionDoctor::controls_are_named_and_tab_follows_the_layout() {
    if (!platform::has_linux_parts())
        QSKIP(kNeedsLinuxDoctor);
    ScriptedDialogs dialogs;
    ConnectionDoctor doctor(refused_sources, dialogs);
    doctor.set_privileged_runner([](auto&&...) {}, true);
    doctor.diagnose();
    doctor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&doctor));
    verify_named(doctor);
    QCOMPARE(tab_chain(&doctor, doctor.memoFindings),
             (QStringList{"memoFindings", "edtCommand", "btnCopyCommand", "btnAllowAccess",
                          "btnDiagnose", "btnClose"}));
    // Nothing is cut: every control gets the room its text asks for.
    for (QWidget* control : QList<QWidget*>{doctor.btnCopyCommand, doctor.btnAllowAccess,
                                            doctor.btnDiagnose, doctor.btnClose, doctor.lblCommand})
        QVERIFY2(control->width() >= control->sizeHint().width(),
                 qPrintable(control->objectName() + " is cut"));
}

void TestConnectionDoctor::failed_connect_opens_the_doctor_data() {
    QTest::addColumn<int>("open_status");
    QTest::addColumn<bool>("virtual_pedal"); // makes the doctor find nothing wrong
    QTest::addColumn<bool>("opens");
    QTest::newRow("open fails, no chip in sysfs") << int(FT_DEVICE_NOT_OPENED) << false << true;
    QTest::newRow("open fails, nothing wrong seen") << int(FT_DEVICE_NOT_OPENED) << true << false;
    QTest::newRow("open succeeds") << int(FT_OK) << false << false;
}

void TestConnectionDoctor::failed_connect_opens_the_doctor() {
    QFETCH(int, open_status);
    QFETCH(bool, virtual_pedal);
    QFETCH(bool, opens);
    const DiagnoseRoot root(QStringLiteral("none"));
    EditorFixture f;
    f.no_chip.chips = {{"KX123", "FT230X Basic UART", open_status}};
    f.start();
    f.context->link_options.virtual_pedal = virtual_pedal;
    f.main().menuConnect->trigger();
    kx::test::settle();
    auto* doctor = f.main().findChild<ConnectionDoctor*>();
    QCOMPARE(doctor && doctor->isVisible(), opens);
    if (!opens)
        return;
    QVERIFY(doctor->memoFindings->toPlainText().contains(QLatin1String("No FTDI USB chip")));
    // The open's own failure was shown first, as always.
    QVERIFY(f.dialogs.messages.join(QLatin1Char('\n'))
                .contains(QLatin1String("Open_USB_Device_By_Serial_Number")));
    QVERIFY(f.windows->formPrint->Memo1->toPlainText().contains(
        QLatin1String("connection doctor: [problem] USB devices")));
}

void TestConnectionDoctor::diagnose_menu_item_opens_it() {
    const DiagnoseRoot root(QStringLiteral("none"));
    EditorFixture f;
    f.start();
    QAction* item = f.main().menuDiagnose;
    QCOMPARE(item->objectName(), QStringLiteral("menuDiagnose"));
    QVERIFY(f.main().menuConnection->actions().contains(item));
    item->trigger();
    kx::test::settle();
    auto* doctor = f.main().findChild<ConnectionDoctor*>();
    QVERIFY(doctor && doctor->isVisible());
    // Asking again reuses the window.
    doctor->close();
    item->trigger();
    kx::test::settle();
    QCOMPARE(f.main().findChildren<ConnectionDoctor*>().size(), 1);
    QVERIFY(doctor->isVisible());
}

void TestConnectionDoctor::keyboard_order_of_the_main_window_and_log_console() {
    EditorFixture f;
    f.no_chip.chips = {{"KX123", "FT230X Basic UART"}};
    f.start();
    TformMain& main = f.main();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    f.main().menuConnect->trigger(); // the pedal buttons become reachable
    kx::test::settle();
    // Left column from the top, then the category and effect lists.
    const QStringList chain = tab_chain(&main, main.btnUpload);
    QCOMPARE(chain.mid(0, 3), (QStringList{"btnUpload", "btnOpenEffect", "btnRequest"}));
    QCOMPARE(chain.mid(chain.size() - 2), (QStringList{"lstCategory", "lstEffects"}));

    TformPrint& console = *f.windows->formPrint;
    console.show();
    QVERIFY(QTest::qWaitForWindowExposed(&console));
    QCOMPARE(tab_chain(&console, console.btnClear),
             (QStringList{"btnClear", "btnScrollTop", "CheckBox1", "btnSaveLog", "btnClosePrint",
                          "Memo1"}));
}

QTEST_MAIN(TestConnectionDoctor)
#include "tst_connection_doctor.moc"
