// A preset file written by kestrel-x loads in the editor, and one the editor saves loads with
// kestrel-x: the editor on the in-process virtual pedal, the command line on a served one.
#include "app/editor_fixture.h"
#include "support/await.h"
#include "support/served_pedal.h"

#include "app/Main.h"
#include "base/paths.h"
#include "params/ui/FXParameters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>

using namespace kx;

namespace {

const QString kProgram = QStringLiteral(KX_BINARY_DIR "/kestrel-x");
const QString kCategory = QStringLiteral("Gain");
const QString kEffect = QStringLiteral("Basalt Fuzz Box");

} // namespace

class TestCliEditorPresets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void editor_preset_loads_with_the_command_line();
    void command_line_preset_loads_in_the_editor();

private:
    // Runs kestrel-x on the served pedal; its standard output, and a failure when it exits
    // with anything but 0.
    QString cli(const QStringList& arguments);
    QList<int> served_values();
    TformMain& main() { return f.main(); }
    TformFXParameters& parameters() { return *f.windows->formFXParameters; }

    EditorFixture f;
    kx::test::ServedPedal m_server;
    QString m_port;
};

QString TestCliEditorPresets::cli(const QStringList& arguments) {
    QProcess process;
    process.start(kProgram, arguments + QStringList{QStringLiteral("--port"), m_port});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning("kestrel-x %s: %s", qPrintable(arguments.join(' ')),
                 process.readAllStandardError().constData());
        return QStringLiteral("<failed>");
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<int> TestCliEditorPresets::served_values() {
    const QJsonObject state =
        QJsonDocument::fromJson(cli({QStringLiteral("get"), QStringLiteral("--json")}).toUtf8())
            .object();
    QList<int> values;
    for (const QJsonValue& control : state.value(QLatin1String("controls")).toArray())
        values << control[QLatin1String("value")].toInt();
    return values;
}

void TestCliEditorPresets::initTestCase() {
    QVERIFY2(m_server.start({QStringLiteral("--instant")}), qPrintable(m_server.error()));
    m_port = m_server.path();
    QCOMPARE(cli({QStringLiteral("upload"), kEffect}), QStringLiteral("Upload complete\n"));

    // The editor runs the same effect on its own pedal, its values read.
    f.real_time = true;
    set_documents_folder(f.documents.path());
    f.context = std::make_unique<AppContext>(f.dialogs, f.real_clock);
    f.context->link_options.virtual_pedal = true;
    f.windows = std::make_unique<EditorWindows>(*f.context);
    main().show();
    main().menuConnect->trigger();
    kx::test::settle();
    f.choose_effect(kCategory, kEffect);
    main().btnUpload->click();
    kx::test::settle();
    main().btnOpenEffect->click();
    kx::test::settle();
    main().btnRequest->click();
    kx::test::settle();
    QCOMPARE(f.dialogs.messages, QStringList());
    QCOMPARE(parameters().state().values.size(), 4);
}

void TestCliEditorPresets::cleanupTestCase() {
    f.stop();
    m_server.stop();
}

void TestCliEditorPresets::editor_preset_loads_with_the_command_line() {
    const QList<int> saved = parameters().state().values;
    const QString path = f.path(QStringLiteral("from-editor.txt"));
    f.dialogs.files << path;
    main().menuSaveConfiguration->trigger();
    kx::test::settle();
    QCOMPARE(f.dialogs.messages, QStringList{QStringLiteral("File saved successfully: ") + path});
    f.dialogs.messages.clear();

    for (int i = 0; i < 3; ++i)
        QVERIFY(cli({QStringLiteral("set"), QString::number(i), QString::number(i + 1)}) !=
                QLatin1String("<failed>"));
    QVERIFY(served_values() != saved);
    QCOMPARE(cli({QStringLiteral("preset"), QStringLiteral("load"), path}),
             QStringLiteral("loaded %1 into %2\n").arg(path, kEffect));
    QCOMPARE(served_values(), saved);
}

void TestCliEditorPresets::command_line_preset_loads_in_the_editor() {
    const QList<int> written{101, 202, 303, 1023};
    // --raw: the switch (index 3) takes its raw value too.
    for (int i = 0; i < written.size(); ++i)
        cli({QStringLiteral("set"), QStringLiteral("--raw"), QString::number(i),
             QString::number(written[i])});
    const QString path = f.path(QStringLiteral("from-cli.txt"));
    QCOMPARE(cli({QStringLiteral("preset"), QStringLiteral("save"), path}),
             QStringLiteral("saved %1 to %2\n").arg(kEffect, path));
    QVERIFY(parameters().state().values != written);

    f.dialogs.files << path;
    main().menuLoadConfiguration->trigger();
    kx::test::settle();
    QCOMPARE(f.dialogs.messages, QStringList{QStringLiteral("File loaded successfully: ") + path});
    QCOMPARE(parameters().state().values, written);
}

QTEST_MAIN(TestCliEditorPresets)
#include "tst_cli_editor_presets.moc"
