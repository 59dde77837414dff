// What the main window takes over from the last run and keeps for the next: the windows'
// places, the last category and effect, and the MIDI channel. The preset and WAV folders are
// remembered where their dialogs open (MainPresets.cpp, MainIR.cpp).
#include "app/AppContext.h"
#include "app/Main.h"
#include "app/PrintConsole.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "ir/ui/ImpulseResponse.h"
#include "library/categories.h"
#include "link/pedal_commands.h"
#include "params/ui/AssignmentMap.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

namespace kx {

namespace {

// The windows whose places are kept, besides the main window. The parameters window and the
// information page are placed beside the main window each time they open.
QList<QWidget*> placed_windows(const OtherWindows& windows) {
    QList<QWidget*> out;
    for (QWidget* window :
         std::initializer_list<QWidget*>{windows.formAssignmentMap, windows.formPrint,
                                         windows.formImpulseResponse, windows.formFirmwareUpgrade})
        if (window)
            out << window;
    return out;
}

} // namespace

void TformMain::restore_memory() {
    m_memory.restore_place(*this);
    restore_selection();
    const QString channel = m_memory.text(memory_key::kMidiChannel);
    if (midi_channel_items().contains(channel))
        check_midi_channel(channel);
}

void TformMain::restore_selection() {
    // The list shows the category and highlights the effect as they were left; nothing opens
    // and no how-to box appears until the user clicks.
    const QString category = m_memory.text(memory_key::kCategory);
    for (int row = 0; row < category_count(); ++row) {
        if (category != QLatin1String(kEffectCategories[row].caption))
            continue;
        lstEffects->clear();
        if (!m_context.store.load_resource_text(category_resource(row)))
            return;
        fill_effect_list();
        lstCategory->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        m_context.selection.selected_category = category;
        const QString effect = m_memory.text(memory_key::kEffect);
        const auto found = lstEffects->findItems(effect, Qt::MatchExactly);
        if (!effect.isEmpty() && !found.isEmpty())
            lstEffects->setCurrentItem(found.first(), QItemSelectionModel::ClearAndSelect);
        return;
    }
}

void TformMain::restore_other_places() {
    for (QWidget* window : placed_windows(m_windows))
        m_memory.restore_place(*window);
}

void TformMain::remember_places() {
    m_memory.remember_place(*this);
    // A window never shown nor placed has no place of its own to keep.
    for (QWidget* window : placed_windows(m_windows))
        if (window->isVisible() || window->testAttribute(Qt::WA_Moved))
            m_memory.remember_place(*window);
}

void TformMain::check_midi_channel(const QString& caption) {
    for (QAction* item : menuMIDIchannel->actions())
        item->setChecked(item->text() == caption);
}

} // namespace kx
