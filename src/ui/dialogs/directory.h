#pragma once

// TFormDirectory, "Répertoire par défaut": whether the measurement file
// dialogs start in the last directory used or in a chosen one.

#include "data/varia.h"

#include <QDialog>

class DialogService;
class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;

class TFormDirectory : public QDialog {
    Q_OBJECT
public:
    TFormDirectory(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

    int ItemIndex() const; // 0: "Dernier répertoire utilisé", 1: "Répertoire sélectionné :"
    void SetItemIndex(int index);

    void GroupBoxDirectoryChange();
    void OKButtonClick();
    void CancelButtonClick();

signals:
    // Both measurement file dialogs start there from now on.
    void InitialDirectoryChanged(const QString& directory);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BrowseClick();

    Context& m_context;
    DialogService& m_dialogs;
    QGroupBox* GroupBoxDirectory = nullptr;
    QButtonGroup* m_items = nullptr;
    QLineEdit* LMDBrowseEdit = nullptr;
    QToolButton* m_browseButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* OKButton = nullptr;
};
