// Settings > Language: the editor's language, the system's or one chosen by its own name.
#include "app/EditorMemory.h"
#include "app/Main.h"
#include "base/translation.h"
#include "base/ui/translated.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace kx {

void TformMain::create_language_menu() {
    auto* languages = new QActionGroup(menuLanguage);
    languages->setExclusive(true);
    const QString chosen = m_memory.text(memory_key::kLanguage);
    QAction* system = menuLanguage->addAction(QString());
    set_translated(system, "text", "kx::TformMain", QT_TRANSLATE_NOOP("kx::TformMain", "&System"));
    system->setObjectName(QStringLiteral("menuLanguageSystem"));
    menuLanguage->addSeparator();
    QList<QAction*> items{system};
    // Each language in itself: a reader finds their own whatever the editor shows now.
    for (const Language& language : kLanguages) {
        QAction* item = menuLanguage->addAction(QString::fromUtf8(language.own_name));
        item->setObjectName(QStringLiteral("menuLanguage_") + QLatin1String(language.code));
        item->setData(QLatin1String(language.code));
        items << item;
    }
    for (QAction* item : items) {
        item->setCheckable(true);
        item->setChecked(item->data().toString() == chosen);
        languages->addAction(item);
    }
}

void TformMain::menuLanguageClickItem(QAction* item) {
    const QString code = item->data().toString();
    m_memory.set_value(memory_key::kLanguage, code);
    // Every open window hears QEvent::LanguageChange and shows its texts again.
    load_language(code);
}

void TformMain::retranslate_shown_texts() {
    // A popup menu has no accessible name of its own: it is its title without the mnemonic.
    for (QMenu* menu : findChildren<QMenu*>())
        if (!menu->title().isEmpty())
            menu->setAccessibleName(QString(menu->title()).remove(QLatin1Char('&')));
}

} // namespace kx
