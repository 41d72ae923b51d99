// The icon chooser: the 27 card-type icons and then the custom icons, big,
// in a list; the chosen image index is the result.
#pragma once

#include <QDialog>

class CImageServer;
class QListWidget;

class CSelectIconDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 141;
    static constexpr int kListId = 1018;

    // Waits (without a time-out) until the catalogue has loaded every icon,
    // then fills the list and selects its first item.
    explicit CSelectIconDlg(CImageServer& server, QWidget* parent = nullptr);

    // The image index of the last selected item; 5 (the first card-type icon)
    // unless the user picked another. Meaningful after OK.
    int result() const { return m_result; }
    QListWidget* list() const { return m_list; }

private:
    void takeSelection();

    QListWidget* m_list;
    // The image index of the first item: the number of special icons.
    int m_first = 0;
    int m_result = 0;
};
