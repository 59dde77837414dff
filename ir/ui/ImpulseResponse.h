#pragma once

#include "base/translation.h"
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace kx {

class Dialogs;
class IrResponseView;
class IrWaveformView;
struct IrImport;

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

    QLabel* lblHowTo;
    QLabel* lblSummary;
    QLabel* lblEnergy;
    IrWaveformView* imgWaveform;
    IrResponseView* imgResponse;
    QPushButton* btnOK;

private:
    QString m_folder;
};

} // namespace kx
