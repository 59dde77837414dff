#pragma once

#include "base/translation.h"
#include "ir/ir_tools.h"

#include <QList>
#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace kx {

class Dialogs;
class IrResponseView;
class IrWaveformView;
struct IrImport;
struct KeptImport;

inline constexpr char kOpenWavCaption[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Load IR");

// How to load an impulse response, and which files the import takes; lines joined by CR LF.
QString impulse_response_howto();

// The impulse response window: it asks for the WAV file to import and, once an import is
// done, shows what goes to the pedal, in words and as a picture.
class TformImpulseResponse : public QWidget {
    Q_OBJECT
public:
    explicit TformImpulseResponse(QWidget* parent = nullptr);

    // OpenDialog1: the WAV file to import, or an empty text when the user cancels. It opens in
    // the folder of the file chosen last.
    QString OpenDialog1Execute(Dialogs& dialogs);
    // The folder OpenDialog1 opens in; the main window gives it the one remembered last run.
    QString folder() const { return m_folder; }
    void set_folder(const QString& folder) { m_folder = folder; }

    // Shows the summary of an import with its picture and brings the window to the front.
    void show_import(const IrImport& import);
    // Shows the window with its how-to, before a file is chosen.
    void show_howto();

    // What the next import does before the cut, as the tools are set.
    IrTools tools() const;
    void set_tools(const IrTools& tools);
    // The imports kept for the selected effect, newest first, to take one again.
    void set_kept_imports(const QList<KeptImport>& imports);
    int kept_import_count() const;

    QLabel* lblHowTo;
    QLabel* lblSummary;
    QLabel* lblEnergy;
    IrWaveformView* imgWaveform;
    IrResponseView* imgResponse;
    QPushButton* btnOK;
    // The tools before the cut (ir_tools.h); off is the import as it always was.
    QCheckBox* chkTrim;
    QCheckBox* chkNormalise;
    QLabel* lblNormaliseLevel;
    QComboBox* cmbNormaliseLevel;
    QCheckBox* chkFade;
    QLabel* lblFadeLength;
    QComboBox* cmbFadeLength;
    QPushButton* btnImportAgain;
    // The last imports of the selected effect's table.
    QLabel* lblKeptImports;
    QComboBox* cmbKeptImports;
    QPushButton* btnUseKeptImport;

signals:
    // The last file imported, again, with the tools as they are set now.
    void import_again_requested();
    // A kept import (its file's path) to take again.
    void kept_import_chosen(const QString& path);

private:
    void update_tool_fields();

    QString m_folder;
};

} // namespace kx
