#include "firmware/ui/FirmwareUpgrade.h"

#include "base/dialogs.h"
#include "base/log.h"
#include "base/translation.h"
#include "base/ui/accessibility.h"
#include "base/ui/translated.h"
#include "firmware/firmware_versions.h"
#include "firmware/loaded_firmware.h"
#include "library/firmware_image.h"
#include "library/resource_store.h"
#include "session/pedal_session.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace kx {

namespace {

constexpr char kCaption[] = QT_TRANSLATE_NOOP("kx::TformFirmwareUpgrade", "Firmware Upgrade");
constexpr char kTextUpgradeFirmware[] =
    QT_TRANSLATE_NOOP("kx::TformFirmwareUpgrade", "Upgrade Firmware");
constexpr char kTextCancel[] = QT_TRANSLATE_NOOP("kx::TformFirmwareUpgrade", "Cancel");
constexpr char kTextClose[] = QT_TRANSLATE_NOOP("kx::TformFirmwareUpgrade", "Close");
constexpr char kTextCancelling[] =
    QT_TRANSLATE_NOOP("kx::TformFirmwareUpgrade", "Cancelling after this chunk");
constexpr char kTextChooseFirmware[] =
    QT_TRANSLATE_NOOP("kx::TformFirmwareUpgrade", "Choose firmware");

// The firmware images the editor carries, by resource name; the list shows each with the
// version it brings.
struct FirmwareItem {
    const char* object_name;
    const char* text;
};
constexpr int kResourceRole = Qt::UserRole;
constexpr int kObjectNameRole = Qt::UserRole + 1;
constexpr FirmwareItem kFirmwareItems[] = {{"itmFirmware1", "Firmware_1"}};

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

// What the bar says in each step; chunks show their number instead.
QString step_text(const QString& step) {
    if (step == QLatin1String(kStepResynchronise))
        return ui_text("kx::TformFirmwareUpgrade", "Resynchronising…");
    if (step == QLatin1String(kStepErase))
        return ui_text("kx::TformFirmwareUpgrade", "Erasing…");
    if (step == QLatin1String(kStepWriteRecord))
        return ui_text("kx::TformFirmwareUpgrade", "Writing record…");
    if (step == QLatin1String(kStepGo))
        return ui_text("kx::TformFirmwareUpgrade", "Starting…");
    return {};
}

} // namespace

QString firmware_item_text(const ResourceStore& store, const QString& resource_name) {
    const auto bytes = store.raw(resource_name);
    const auto version = bytes ? firmware_version_of(*bytes) : std::nullopt;
    if (!version)
        return resource_name;
    return ui_text("kx::TformFirmwareUpgrade", "Firmware %1 (%2)").arg(*version).arg(resource_name);
}

TformFirmwareUpgrade::TformFirmwareUpgrade(const FirmwareUpgradeContext& context, QWidget* parent)
    : BuiltOnUseWindow(parent, Qt::Window), m_context(context),
      m_operation(context.session.upgrade_operation()) {
    setObjectName(QStringLiteral("formFirmwareUpgrade"));
    set_translated(this, "windowTitle", "kx::TformFirmwareUpgrade", kCaption);
    setAttribute(Qt::WA_QuitOnClose, false);
    // Wide enough for the list's "Firmware 12 (Firmware_1)" and the bootloader sentence below.
    setFixedSize(250, 255);
    connect(&m_operation, &Operation::step_changed, this, &TformFirmwareUpgrade::show_step);
    connect(&m_operation, &FirmwareUpgradeOperation::chunk_progress, this,
            &TformFirmwareUpgrade::show_chunk);
}

void TformFirmwareUpgrade::build() {
    const FirmwareUpgradeContext& context = m_context;
    cmbFirmwareChoose = new QComboBox(this);
    btnUpgradeFirmware = new QPushButton(this);
    btnCancelUpgrade = new QPushButton(this);
    btnCloseFirmwareUpgrade = new QPushButton(this);
    set_translated(btnCloseFirmwareUpgrade, "text", "kx::TformFirmwareUpgrade", kTextClose);
    ProgressBar1 = new QProgressBar(this);
    lblBootloaderHowTo = new QLabel(this);
    cmbFirmwareChoose->setObjectName(QStringLiteral("cmbFirmwareChoose"));
    set_translated(cmbFirmwareChoose, "accessibleName", "kx::TformFirmwareUpgrade",
                   QT_TRANSLATE_NOOP("kx::TformFirmwareUpgrade", "Firmware"));
    cmbFirmwareChoose->setGeometry(8, 8, 234, 32);
    for (const FirmwareItem& item : kFirmwareItems) {
        const QString name = latin1(item.text);
        cmbFirmwareChoose->addItem(firmware_item_text(context.store, name));
        const int index = cmbFirmwareChoose->count() - 1;
        cmbFirmwareChoose->setItemData(index, name, kResourceRole);
        cmbFirmwareChoose->setItemData(index, latin1(item.object_name), kObjectNameRole);
    }
    // No firmware is chosen until the user picks one.
    set_translated(cmbFirmwareChoose, "placeholderText", "kx::TformFirmwareUpgrade",
                   kTextChooseFirmware);
    cmbFirmwareChoose->setCurrentIndex(-1);

    btnUpgradeFirmware->setObjectName(QStringLiteral("btnUpgradeFirmware"));
    set_translated(btnUpgradeFirmware, "accessibleName", "kx::TformFirmwareUpgrade",
                   kTextUpgradeFirmware);
    btnUpgradeFirmware->setGeometry(8, 48, 150, 33);
    set_translated(btnUpgradeFirmware, "text", "kx::TformFirmwareUpgrade", kTextUpgradeFirmware);
    btnCancelUpgrade->setObjectName(QStringLiteral("btnCancelUpgrade"));
    set_translated(btnCancelUpgrade, "accessibleName", "kx::TformFirmwareUpgrade", kTextCancel);
    set_translated(btnCancelUpgrade, "toolTip", "kx::TformFirmwareUpgrade",
                   QT_TRANSLATE_NOOP("kx::TformFirmwareUpgrade",
                                     "Stop the upgrade after the chunk being written"));
    btnCancelUpgrade->setGeometry(164, 48, 78, 33);
    set_translated(btnCancelUpgrade, "text", "kx::TformFirmwareUpgrade", kTextCancel);
    btnCancelUpgrade->setEnabled(false);

    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    set_translated(ProgressBar1, "accessibleName", "kx::TformFirmwareUpgrade",
                   QT_TRANSLATE_NOOP("kx::TformFirmwareUpgrade", "Upgrade progress"));
    ProgressBar1->setGeometry(8, 94, 234, 35);
    ProgressBar1->setOrientation(Qt::Horizontal);
    ProgressBar1->setAlignment(Qt::AlignCenter);
    ProgressBar1->setValue(0);

    lblBootloaderHowTo->setObjectName(QStringLiteral("lblBootloaderHowTo"));
    set_translated(lblBootloaderHowTo, "text", "kx::TformFirmwareUpgrade", kTextBootloaderHowTo);
    lblBootloaderHowTo->setWordWrap(true);
    lblBootloaderHowTo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblBootloaderHowTo->setGeometry(8, 137, 234, 69);
    btnCloseFirmwareUpgrade->setObjectName(QStringLiteral("btnCloseFirmwareUpgrade"));
    btnCloseFirmwareUpgrade->setGeometry(164, 214, 78, 33);
    connect(btnCloseFirmwareUpgrade, &QPushButton::clicked, this, &QWidget::close);
    close_on_escape(this);

    connect(cmbFirmwareChoose, &QComboBox::currentIndexChanged, this,
            &TformFirmwareUpgrade::FirmwareSelect);
    connect(btnUpgradeFirmware, &QPushButton::clicked, this,
            &TformFirmwareUpgrade::btnUpgradeFirmwareClick);
    connect(btnCancelUpgrade, &QPushButton::clicked, this,
            &TformFirmwareUpgrade::btnCancelUpgradeClick);
    fit_design_to_text(this); // a larger desktop font widens it
}

void TformFirmwareUpgrade::changeEvent(QEvent* event) {
    BuiltOnUseWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && is_built())
        fit_design_to_text(this);
}

void TformFirmwareUpgrade::closeEvent(QCloseEvent* event) {
    // An upgrade runs to its end or to Cancel with its progress in view: the pedal must not be
    // unplugged or powered off meanwhile.
    if (m_operation.running()) {
        event->ignore();
        return;
    }
    BuiltOnUseWindow::closeEvent(event);
}

void TformFirmwareUpgrade::FirmwareSelect() {
    if (cmbFirmwareChoose->currentIndex() < 0)
        return;
    m_image_name = cmbFirmwareChoose->currentData(kResourceRole).toString();
    m_firmware_number = firmware_number(m_image_name).value_or(0);
    m_context.log.print_line(latin1(kLogFirmwareVersionChosen) +
                             QString::number(m_firmware_number));
    m_context.log.print_line(m_image_name);
}

Task<> TformFirmwareUpgrade::btnUpgradeFirmwareClick() {
    if (m_operation.running())
        co_return;
    if (cmbFirmwareChoose->currentIndex() < 0) {
        m_context.dialogs.message(ui_text("Firmware", kMessageNoFirmwareChosen));
        co_return;
    }
    auto image = load_firmware_image(m_context.store, m_image_name);
    if (!image) {
        m_context.dialogs.message(image.error());
        co_return;
    }
    m_context.log.print_line(latin1(kLogFirmwareNumBytes) + QString::number(image->bytes.size()));
    // Flash is rewritten from the first byte on: the user says yes knowing what and how long,
    // and whether it changes the version at all (the same one may be written again).
    QString question = ui_text("kx::TformFirmwareUpgrade", kConfirmFirmwareUpgrade)
                           .arg(cmbFirmwareChoose->currentText());
    const QString change = firmware_change_text(m_context.session.reported_firmware_version(),
                                                firmware_version_of(image->bytes));
    if (!change.isEmpty())
        question = change + QStringLiteral(". ") + question;
    if (m_context.dialogs.confirm(question) != Dialogs::Answer::Yes) {
        ProgressBar1->setFormat(ui_text("kx::TformFirmwareUpgrade", "Not started"));
        co_return;
    }

    set_running(true);
    const Status result = co_await m_context.session.upgrade_firmware(*image);
    set_running(false);
    if (!result) {
        const int chunk = m_operation.place().chunk;
        ProgressBar1->setFormat(
            result.error_kind() == ErrorKind::Cancelled
                ? ui_text("kx::TformFirmwareUpgrade", "Cancelled")
            : chunk < 0 ? ui_text("kx::TformFirmwareUpgrade", "Upgrade failed")
                        : ui_text("kx::TformFirmwareUpgrade", "Chunk %1 failed").arg(chunk + 1));
        m_context.dialogs.message(result.error());
        co_return;
    }
    ProgressBar1->setFormat(ui_text("kx::TformFirmwareUpgrade", "Done"));
    m_context.dialogs.message(ui_text("kx::TformFirmwareUpgrade", kTextUpgradeComplete));
    // One upgrade a run: the pedal now runs its new firmware, no longer the bootloader.
    btnUpgradeFirmware->setEnabled(false);
    hide();
    emit firmware_upgraded();
}

void TformFirmwareUpgrade::btnCancelUpgradeClick() {
    if (!m_operation.running())
        return;
    m_context.session.cancel_upgrade();
    btnCancelUpgrade->setEnabled(false);
    ProgressBar1->setFormat(ui_text("kx::TformFirmwareUpgrade", kTextCancelling));
}

void TformFirmwareUpgrade::set_running(bool running) {
    btnUpgradeFirmware->setEnabled(!running);
    btnCancelUpgrade->setEnabled(running);
    btnCloseFirmwareUpgrade->setEnabled(!running);
    cmbFirmwareChoose->setEnabled(!running);
    if (running) {
        ProgressBar1->setRange(0, 1);
        ProgressBar1->setValue(0);
    }
}

void TformFirmwareUpgrade::show_step(const QString& step) {
    const QString text = step_text(step);
    if (!text.isEmpty())
        ProgressBar1->setFormat(text);
}

void TformFirmwareUpgrade::show_chunk(int position, int maximum) {
    ProgressBar1->setMaximum(maximum);
    ProgressBar1->setValue(position);
    if (position < maximum)
        ProgressBar1->setFormat(
            ui_text("kx::TformFirmwareUpgrade", "Chunk %1 of %2").arg(position + 1).arg(maximum));
}

} // namespace kx
