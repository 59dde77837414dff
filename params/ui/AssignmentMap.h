#pragma once

#include "base/translation.h"
#include "params/pedal_controls.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace kx {

class TformFXParameters;

inline constexpr char kCaptionAssignmentMap[] =
    QT_TRANSLATE_NOOP("kx::TformAssignmentMap", "Assignment Map");

// One view of what each of the pedal's knobs, buttons, footswitch uses, remote, expression
// pedal and lights drives in the effect of the parameters window. It shows that window's
// assignment codes and follows them; a change made here sets that window's boxes and sends the
// assignment message, the same as the boxes and Assign would.
class TformAssignmentMap : public QWidget {
    Q_OBJECT
public:
    explicit TformAssignmentMap(TformFXParameters& parameters, QWidget* parent = nullptr);

    // The choice box and the warning of a row of pedal_controls().
    QComboBox* choice_box(int row) { return rows().value(row).choice; }
    QLabel* warning(int row) { return rows().value(row).warning; }

    // Shows the parameters window's effect and codes again.
    void refresh();

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        QLabel* name = nullptr;
        QComboBox* choice = nullptr;
        QLabel* warning = nullptr;
        QList<MapChoice> choices;
    };

    // The rows are made when the window is first shown or asked for: most runs never open it,
    // and its sixteen styled choice boxes would cost the start time and memory.
    void build();
    const QList<Row>& rows() {
        build();
        return m_rows;
    }
    void choose(int row);
    MapEffect effect() const;
    // A warning can take two lines, which the window's minimum height does not count: the
    // shown window grows to show them whole.
    void grow_to_fit();

    TformFXParameters& m_parameters;
    QLabel* m_effect = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_close = nullptr;
    QList<Row> m_rows;
    bool m_refreshing = false;
    bool m_built = false;
};

} // namespace kx
