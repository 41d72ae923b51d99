// The two choosers the category dialog opens: the card type chooser for the
// category's default card and the icon chooser for its icon. The program
// runs the real dialogs; tests answer from a script, so no modal loop runs.
#pragma once

#include <optional>

class CImageServer;
class QWidget;

class ICategoryChoosers {
public:
    virtual ~ICategoryChoosers() = default;
    // The chosen card type id, starting from `current`; none on Cancel.
    virtual std::optional<int> chooseCardType(QWidget* parent, int current) = 0;
    // The chosen plain image index; none on Cancel.
    virtual std::optional<int> chooseIcon(QWidget* parent) = 0;
};

// "Select Card" and "Select Icon" over the icon catalogue.
class CQtCategoryChoosers : public ICategoryChoosers {
public:
    explicit CQtCategoryChoosers(CImageServer& images) : m_images(images) {}

    std::optional<int> chooseCardType(QWidget* parent, int current) override;
    std::optional<int> chooseIcon(QWidget* parent) override;

private:
    CImageServer& m_images;
};
