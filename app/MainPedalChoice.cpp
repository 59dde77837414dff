// Connection > Pedal: with several pedals attached, the user chooses which one the editor
// talks to. The choice is remembered by serial number (Editor.ini), and Connect and the
// automatic connect use it whenever that pedal is attached.
#include "app/AppContext.h"
#include "app/Main.h"
#include "base/ui/translated.h"
#include "link/Communication.h"
#include "link/hotplug/pedal_watcher.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QMenu>

namespace kx {

void TformMain::create_pedal_menu() {
    menuPedal = new QMenu(this);
    set_translated(menuPedal, "title", "kx::TformMain",
                   QT_TRANSLATE_NOOP("kx::TformMain", "&Pedal"));
    menuPedal->setObjectName(QStringLiteral("menuPedal"));
    set_translated(menuPedal, "accessibleName", "kx::TformMain",
                   QT_TRANSLATE_NOOP("kx::TformMain", "Pedal"));
    menuPedal->menuAction()->setObjectName(QStringLiteral("menuPedal"));
    menuConnection->insertMenu(menuDiagnose, menuPedal);
    connect(menuPedal, &QMenu::aboutToShow, this, &TformMain::fill_pedal_menu);
    fill_pedal_menu();
}

void TformMain::fill_pedal_menu() {
    if (!menuPedal)
        return;
    menuPedal->clear();
    const QList<PresentPedal> present =
        m_context.watcher ? m_context.watcher->present() : QList<PresentPedal>{};
    const QString chosen = chosen_pedal();
    const QString connected =
        communication().connected() ? communication().device_serial_number : QString();
    if (present.isEmpty()) {
        QAction* none = menuPedal->addAction(tr("No pedal attached"));
        none->setObjectName(QStringLiteral("menuPedalNone"));
        none->setEnabled(false);
        return;
    }
    for (int i = 0; i < int(present.size()); ++i) {
        const QString serial = QString::fromLatin1(present.at(i).serial);
        QString text = tr("%1 on %2").arg(serial, present.at(i).port);
        if (serial == connected)
            text += tr(" (connected)");
        QAction* item = menuPedal->addAction(text);
        item->setObjectName(QStringLiteral("menuPedal%1").arg(i));
        item->setCheckable(true);
        item->setChecked(serial == chosen);
        connect(item, &QAction::triggered, this, [this, serial] { (void)choose_pedal(serial); });
    }
}

QString TformMain::chosen_pedal() const {
    return m_memory.text(memory_key::kChosenPedal);
}

Task<> TformMain::choose_pedal(QString serial) {
    m_memory.set_value(memory_key::kChosenPedal, serial);
    fill_pedal_menu();
    Communication& link = communication();
    if (link.connected() && link.device_serial_number == serial)
        co_return;
    // Another pedal is connected: its edits are asked about before the editor leaves it.
    if (link.connected()) {
        const bool let_go = co_await keep_or_let_go_of_edits();
        if (!let_go)
            co_return;
        const Status closed = co_await session().disconnect_pedal();
        if (!closed) {
            report_pedal_error(closed.failure());
            co_return;
        }
    }
    m_disconnected_by_hand = false;
    link.device_serial_number = serial;
    co_await menuConnectClick();
    fill_pedal_menu();
}

} // namespace kx
