#include "ir/ui/ImpulseResponse.h"

#include "base/dialogs.h"
#include "base/translation.h"
#include "base/ui/accessibility.h"
#include "base/ui/translated.h"
#include "ir/ir_import.h"
#include "ir/ui/ir_plots.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx {

namespace {
constexpr char kCaption[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "IR");
constexpr char kOk[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "OK");

// What the import takes: integer samples of 8 to 32 bits and float samples (libsndfile reads
// them), any rate (resampled to the pedal's when the user agrees), the first channel.
const char* const kHowToLines[] = {
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "How to load an impulse response:"),
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse",
                      "1) Select an IR load algorithm in Impulse Response category"),
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse",
                      "2) Go to File and click Load IR, choose the desired WAV file"),
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "3) Click UPLOAD SELECTED EFFECT button"),
    QT_TRANSLATE_NOOP(
        "kx::TformImpulseResponse",
        "The WAV file may hold 8, 16, 24 or 32-bit integer samples or float samples. 48 kHz is the "
        "pedal's rate: a file at another rate can be resampled to it. Of a stereo file, the first "
        "channel is loaded."),
};
} // namespace

QString impulse_response_howto() {
    QStringList lines;
    for (const char* line : kHowToLines)
        lines << ui_text("kx::TformImpulseResponse", line);
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

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(lblHowTo);
    layout->addWidget(lblSummary);
    layout->addWidget(lblEnergy);
    layout->addWidget(imgWaveform, 4);
    layout->addWidget(imgResponse, 5);
    layout->addLayout(buttons);
    // Room for the plots to show detail; the layout would settle for less.
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
    show();
    raise();
    activateWindow();
}

void TformImpulseResponse::show_howto() {
    show();
    raise();
}

} // namespace kx
