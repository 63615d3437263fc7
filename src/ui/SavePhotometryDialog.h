#pragma once
// "Save As..." for the photometric file itself: IES LM-63-2002, IES LM-63-2019 or EULUMDAT (by
// the format box or the name's extension), optionally scaled to a lamp flux or by a factor and
// with its C-planes turned. The writing is the core's (src/writing); this dialog only asks.

#include "writing/Writing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <string>

namespace lumetra {

struct PhotometrySaveRequest {
    QString fileName;
    writing::TargetFormat format = writing::TargetFormat::Ies2002;
    writing::Adjustment adjustment;
};

class TSavePhotometryDialog : public QDialog {
    Q_OBJECT
  public:
    // sourceFile suggests the folder and the name.
    explicit TSavePhotometryDialog(const QString& sourceFile, QWidget* parent = nullptr);

    QLineEdit* EditFile;
    QPushButton* ButtonBrowse;
    QComboBox* ComboFormat; // IES 2002, IES 2019, EULUMDAT, in that order
    QCheckBox* CheckLumens;
    QDoubleSpinBox* SpinLumens;
    QDoubleSpinBox* SpinMultiply;
    QComboBox* ComboRotate; // 0, 90, 180, 270 degrees
    QDialogButtonBox* Buttons;

    PhotometrySaveRequest Request() const;

  private:
    void BuildControls();
    void FormatChosen(int index);
    void NameEdited(const QString& text);
    void Browse();
};

// Asks for the target and writes the loaded file there. readerFlagged: the viewer's reading of
// the file reported values that are no numbers; the file is then read leniently (tabs as blanks)
// for writing. An existing file is replaced only when the user agrees; failures and what the
// format could not carry are shown in a message box.
void SavePhotometryAs(QWidget* parent, const std::string& sourceFile, bool readerFlagged);

} // namespace lumetra
