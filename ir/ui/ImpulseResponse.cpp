#include "ir/ui/ImpulseResponse.h"

#include "base/dialogs.h"
#include "base/translation.h"
#include "base/ui/accessibility.h"
#include "base/ui/translated.h"
#include "ir/ir_import.h"
#include "ir/kept_imports.h"
#include "ir/ui/ir_plots.h"
#include "ir/wav_formats.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx {

namespace {
constexpr char kCaption[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "IR");
constexpr char kOk[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "OK");
constexpr char kTrim[] =
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "&Trim the silence before the first peak");
constexpr char kNormalise[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "&Normalise the peak");
constexpr char kNormaliseLevel[] =
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Peak level (dB):");
constexpr char kFade[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "&Fade out before the cut");
constexpr char kFadeLength[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Fade length (ms):");
constexpr char kImportAgain[] =
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Import &again with these tools");
constexpr char kKeptImports[] = QT_TRANSLATE_NOOP(
    "kx::TformImpulseResponse", "Last imports for this effect (kept after a restart):");
constexpr char kUseKeptImport[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "&Use this import");
constexpr char kKeptImportRow[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "%1 (%2)");
constexpr char kKeptImportTools[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "%1 (%2; %3)");
constexpr char kToolTrim[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "trimmed");
constexpr char kToolNormalise[] =
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "normalised to %1 dB");
constexpr char kToolFade[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "faded over %1 ms");
// The tools' values when first turned on.
constexpr double kDefaultNormalise_db = -1.0;
constexpr double kDefaultFade_ms = 5.0;
constexpr int kPathRole = Qt::UserRole;
constexpr double kNormaliseLevels_db[] = {0.0, -0.5, -1.0, -2.0, -3.0, -6.0, -12.0};
constexpr double kFadeLengths_ms[] = {1.0, 2.0, 5.0, 10.0, 20.0};

// Chooses `value` in a box of numbers, adding it when the box lacks it (a kept import's).
void select_value(QComboBox* box, double value) {
    int at = box->findData(value);
    if (at < 0) {
        box->addItem(QString::number(value, 'f', 1), value);
        at = box->count() - 1;
    }
    box->setCurrentIndex(at);
}

// The how-to, ending with what the import takes (in the words the guide and kestrel-x use).
const char* const kHowToLines[] = {
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "How to load an impulse response:"),
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse",
                      "1) Select an IR load algorithm in Impulse Response category"),
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse",
                      "2) Go to File and click Load IR, choose the desired WAV file"),
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "3) Click UPLOAD SELECTED EFFECT button"),
};
} // namespace

QString impulse_response_howto() {
    QStringList lines;
    for (const char* line : kHowToLines)
        lines << ui_text("kx::TformImpulseResponse", line);
    lines << ui_text("Ir", kWavFormats);
    return lines.join(QStringLiteral("\r\n"));
}

TformImpulseResponse::TformImpulseResponse(QWidget* parent)
    : QWidget(parent, Qt::Window), lblHowTo(new QLabel(this)), lblSummary(new QLabel(this)),
      lblEnergy(new QLabel(this)), imgWaveform(new IrWaveformView(this)),
      imgResponse(new IrResponseView(this)),
      btnOK(new QPushButton(ui_text("kx::TformImpulseResponse", kOk), this)) {
    setObjectName(QStringLiteral("formImpulseResponse"));
    set_translated(this, "windowTitle", "kx::TformImpulseResponse", kCaption);
    setAttribute(Qt::WA_QuitOnClose, false);

    // Labels and the button are named by what they show.
    lblHowTo->setObjectName(QStringLiteral("lblHowTo"));
    lblHowTo->setWordWrap(true);
    lblHowTo->setText(
        impulse_response_howto().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // The summary names the file, which may be called anything.
    lblSummary->setTextFormat(Qt::PlainText);
    lblEnergy->setTextFormat(Qt::PlainText);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblEnergy->setObjectName(QStringLiteral("lblEnergy"));
    lblEnergy->setWordWrap(true);
    imgWaveform->setObjectName(QStringLiteral("imgWaveform"));
    set_translated(imgWaveform, "accessibleName", "kx::TformImpulseResponse",
                   QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Waveform of the loaded samples"));
    imgResponse->setObjectName(QStringLiteral("imgResponse"));
    set_translated(
        imgResponse, "accessibleName", "kx::TformImpulseResponse",
        QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Magnitude response of the loaded samples"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QWidget::close);
    close_on_escape(this);

    chkTrim = new QCheckBox(this);
    set_translated(chkTrim, "text", "kx::TformImpulseResponse", kTrim);
    chkTrim->setObjectName(QStringLiteral("chkTrim"));
    chkNormalise = new QCheckBox(this);
    set_translated(chkNormalise, "text", "kx::TformImpulseResponse", kNormalise);
    chkNormalise->setObjectName(QStringLiteral("chkNormalise"));
    lblNormaliseLevel = new QLabel(this);
    set_translated(lblNormaliseLevel, "text", "kx::TformImpulseResponse", kNormaliseLevel);
    lblNormaliseLevel->setObjectName(QStringLiteral("lblNormaliseLevel"));
    cmbNormaliseLevel = new QComboBox(this);
    cmbNormaliseLevel->setObjectName(QStringLiteral("cmbNormaliseLevel"));
    for (double level : kNormaliseLevels_db)
        cmbNormaliseLevel->addItem(QString::number(level, 'f', 1), level);
    cmbNormaliseLevel->setCurrentIndex(cmbNormaliseLevel->findData(kDefaultNormalise_db));
    link_label(lblNormaliseLevel, cmbNormaliseLevel);
    set_translated(cmbNormaliseLevel, "accessibleName", "kx::TformImpulseResponse",
                   QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Peak level (dB)"));
    chkFade = new QCheckBox(this);
    set_translated(chkFade, "text", "kx::TformImpulseResponse", kFade);
    chkFade->setObjectName(QStringLiteral("chkFade"));
    lblFadeLength = new QLabel(this);
    set_translated(lblFadeLength, "text", "kx::TformImpulseResponse", kFadeLength);
    lblFadeLength->setObjectName(QStringLiteral("lblFadeLength"));
    cmbFadeLength = new QComboBox(this);
    cmbFadeLength->setObjectName(QStringLiteral("cmbFadeLength"));
    for (double length : kFadeLengths_ms)
        cmbFadeLength->addItem(QString::number(length, 'f', 1), length);
    cmbFadeLength->setCurrentIndex(cmbFadeLength->findData(kDefaultFade_ms));
    link_label(lblFadeLength, cmbFadeLength);
    set_translated(cmbFadeLength, "accessibleName", "kx::TformImpulseResponse",
                   QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Fade length (ms)"));
    btnImportAgain = new QPushButton(this);
    set_translated(btnImportAgain, "text", "kx::TformImpulseResponse", kImportAgain);
    btnImportAgain->setObjectName(QStringLiteral("btnImportAgain"));
    btnImportAgain->setAutoDefault(false);
    btnImportAgain->setEnabled(false);
    lblKeptImports = new QLabel(this);
    set_translated(lblKeptImports, "text", "kx::TformImpulseResponse", kKeptImports);
    lblKeptImports->setObjectName(QStringLiteral("lblKeptImports"));
    cmbKeptImports = new QComboBox(this);
    cmbKeptImports->setObjectName(QStringLiteral("cmbKeptImports"));
    link_label(lblKeptImports, cmbKeptImports);
    set_translated(cmbKeptImports, "accessibleName", "kx::TformImpulseResponse",
                   QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Last imports for this effect"));
    btnUseKeptImport = new QPushButton(this);
    set_translated(btnUseKeptImport, "text", "kx::TformImpulseResponse", kUseKeptImport);
    btnUseKeptImport->setObjectName(QStringLiteral("btnUseKeptImport"));
    btnUseKeptImport->setAutoDefault(false);
    btnUseKeptImport->setEnabled(false);
    cmbKeptImports->setEnabled(false);
    connect(chkNormalise, &QCheckBox::toggled, this, &TformImpulseResponse::update_tool_fields);
    connect(chkFade, &QCheckBox::toggled, this, &TformImpulseResponse::update_tool_fields);
    connect(btnImportAgain, &QPushButton::clicked, this,
            &TformImpulseResponse::import_again_requested);
    connect(btnUseKeptImport, &QPushButton::clicked, this, [this] {
        if (cmbKeptImports->currentIndex() >= 0)
            emit kept_import_chosen(cmbKeptImports->currentData(kPathRole).toString());
    });
    update_tool_fields();
    // Tab goes as the window reads: the tools, the kept imports, then OK (made first).
    const QList<QWidget*> order{chkTrim,           btnImportAgain,   chkNormalise,
                                cmbNormaliseLevel, chkFade,          cmbFadeLength,
                                cmbKeptImports,    btnUseKeptImport, btnOK};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    auto* tools = new QGridLayout;
    tools->addWidget(chkTrim, 0, 0);
    tools->addWidget(btnImportAgain, 0, 1, 1, 2, Qt::AlignRight);
    tools->addWidget(chkNormalise, 1, 0);
    tools->addWidget(lblNormaliseLevel, 1, 1);
    tools->addWidget(cmbNormaliseLevel, 1, 2);
    tools->addWidget(chkFade, 2, 0);
    tools->addWidget(lblFadeLength, 2, 1);
    tools->addWidget(cmbFadeLength, 2, 2);
    tools->setColumnStretch(0, 1);
    auto* kept = new QHBoxLayout;
    kept->addWidget(cmbKeptImports, 1);
    kept->addWidget(btnUseKeptImport);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(lblHowTo);
    layout->addLayout(tools);
    layout->addWidget(lblKeptImports);
    layout->addLayout(kept);
    layout->addWidget(lblSummary);
    layout->addWidget(lblEnergy);
    layout->addWidget(imgWaveform, 4);
    layout->addWidget(imgResponse, 5);
    layout->addLayout(buttons);
    // Room for the plots to show detail; the layout would settle for less.
    // The tools take room from the plots, so that the window fits a 1024x768 screen.
    imgWaveform->setMinimumHeight(120);
    imgResponse->setMinimumHeight(140);
    resize(680, 680);
}

QString TformImpulseResponse::OpenDialog1Execute(Dialogs& dialogs) {
    const QString path = dialogs.open_file(ui_text("kx::TformImpulseResponse", kOpenWavCaption),
                                           ui_text("Ir", kWavFileFilter), m_folder);
    if (!path.isEmpty())
        m_folder = QFileInfo(path).absolutePath();
    return path;
}

void TformImpulseResponse::show_import(const IrImport& import) {
    // The summary's lines end in CR LF, as in a message box; a label breaks at LF alone.
    QString summary = import.summary;
    lblSummary->setText(summary.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    lblEnergy->setText(import.energy_line);
    imgWaveform->set_picture(import.picture);
    imgResponse->set_picture(import.picture);
    btnImportAgain->setEnabled(true);
    show();
    raise();
    activateWindow();
}

void TformImpulseResponse::show_howto() {
    show();
    raise();
}

IrTools TformImpulseResponse::tools() const {
    IrTools tools;
    tools.trim = chkTrim->isChecked();
    if (chkNormalise->isChecked())
        tools.normalise_db = cmbNormaliseLevel->currentData().toDouble();
    if (chkFade->isChecked())
        tools.fade_ms = cmbFadeLength->currentData().toDouble();
    return tools;
}

void TformImpulseResponse::set_tools(const IrTools& tools) {
    chkTrim->setChecked(tools.trim);
    chkNormalise->setChecked(tools.normalise_db.has_value());
    if (tools.normalise_db)
        select_value(cmbNormaliseLevel, *tools.normalise_db);
    chkFade->setChecked(tools.fade_ms > 0.0);
    if (tools.fade_ms > 0.0)
        select_value(cmbFadeLength, tools.fade_ms);
    update_tool_fields();
}

void TformImpulseResponse::update_tool_fields() {
    lblNormaliseLevel->setEnabled(chkNormalise->isChecked());
    cmbNormaliseLevel->setEnabled(chkNormalise->isChecked());
    lblFadeLength->setEnabled(chkFade->isChecked());
    cmbFadeLength->setEnabled(chkFade->isChecked());
}

void TformImpulseResponse::set_kept_imports(const QList<KeptImport>& imports) {
    cmbKeptImports->clear();
    for (const KeptImport& kept : imports) {
        const IrResponseNotes& notes = kept.response.notes;
        const QString when = QLocale().toString(notes.imported.toLocalTime(), QLocale::ShortFormat);
        QStringList done;
        if (notes.tools.trim)
            done << ui_text("kx::TformImpulseResponse", kToolTrim);
        if (notes.tools.normalise_db)
            done << ui_text("kx::TformImpulseResponse", kToolNormalise)
                        .arg(*notes.tools.normalise_db, 0, 'f', 1);
        if (notes.tools.fade_ms > 0.0)
            done << ui_text("kx::TformImpulseResponse", kToolFade)
                        .arg(notes.tools.fade_ms, 0, 'f', 1);
        const QString name =
            notes.source_name.isEmpty() ? QFileInfo(kept.path).fileName() : notes.source_name;
        cmbKeptImports->addItem(
            done.isEmpty() ? ui_text("kx::TformImpulseResponse", kKeptImportRow).arg(name, when)
                           : ui_text("kx::TformImpulseResponse", kKeptImportTools)
                                 .arg(name, when, done.join(QStringLiteral(", "))),
            kept.path);
        cmbKeptImports->setItemData(cmbKeptImports->count() - 1,
                                    notes.summary.join(QLatin1Char('\n')), Qt::ToolTipRole);
    }
    cmbKeptImports->setEnabled(cmbKeptImports->count() > 0);
    btnUseKeptImport->setEnabled(cmbKeptImports->count() > 0);
}

int TformImpulseResponse::kept_import_count() const {
    return cmbKeptImports->count();
}

} // namespace kx
