#include "ir/ui/ImpulseResponse.h"

#include "base/dialogs.h"
#include "ir/ir_import.h"
#include "ir/ui/ir_plots.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx {

namespace {
constexpr char kCaption[] = "IR";
constexpr char kOk[] = "OK";
} // namespace

TformImpulseResponse::TformImpulseResponse(QWidget* parent)
    : QWidget(parent, Qt::Window), lblSummary(new QLabel(this)), lblEnergy(new QLabel(this)),
      imgWaveform(new IrWaveformView(this)), imgResponse(new IrResponseView(this)),
      btnOK(new QPushButton(QString::fromLatin1(kOk), this)) {
    setObjectName(QStringLiteral("formImpulseResponse"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setAttribute(Qt::WA_QuitOnClose, false);

    // The summary names the file, which may be called anything.
    lblSummary->setTextFormat(Qt::PlainText);
    lblEnergy->setTextFormat(Qt::PlainText);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setAccessibleName(QStringLiteral("Imported file"));
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblEnergy->setObjectName(QStringLiteral("lblEnergy"));
    lblEnergy->setAccessibleName(QStringLiteral("Share of the file's energy loaded"));
    lblEnergy->setWordWrap(true);
    imgWaveform->setObjectName(QStringLiteral("imgWaveform"));
    imgWaveform->setAccessibleName(QStringLiteral("Waveform of the loaded samples"));
    imgResponse->setObjectName(QStringLiteral("imgResponse"));
    imgResponse->setAccessibleName(QStringLiteral("Magnitude response of the loaded samples"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAccessibleName(QStringLiteral("Close"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(lblSummary);
    layout->addWidget(lblEnergy);
    layout->addWidget(imgWaveform, 4);
    layout->addWidget(imgResponse, 5);
    layout->addLayout(buttons);
    // Room for the plots to show detail; the layout would settle for less.
    resize(680, 680);
}

QString TformImpulseResponse::OpenDialog1Execute(Dialogs& dialogs) {
    const QString path = dialogs.open_file(QString::fromLatin1(kOpenWavCaption),
                                           QString::fromLatin1(kWavFileFilter), m_folder);
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

} // namespace kx
