// The "Select Card" chooser: the 27 card kinds in type-id order, the
// preselected one selected; OK hands back the chosen type id.
#pragma once

#include <QDialog>

class CImageServer;
class QListWidget;

class CSelectCardDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kListId = 1019;

    // Waits until the catalogue has loaded every icon before it fills the list.
    CSelectCardDlg(CImageServer& images, int typeId, QWidget* parent = nullptr);

    int chosenTypeId() const { return m_typeId; }
    QListWidget& list() const { return *m_list; }

private:
    int m_typeId;
    QListWidget* m_list;
};
