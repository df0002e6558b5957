#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>

#include <memory>

class ArticleEntry;
class QAbstractItemView;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QTableView;
class QTableWidget;
class QTimer;
class QuickSearch;
class StringGridModel;

// The quick search of the "Shop" tab: the group box "Schnellsuche " with
// edArtikel and CbEAN_Suche, and the pop-ups laid over the draft grid (hit
// list, info panel, alternatives). The controls only forward to QuickSearch
// and show the state ArticleEntry keeps.
class QuickSearchWidgets : public QObject {
    Q_OBJECT
public:
    // groupBoxParent receives the group box (in its layout when it has one);
    // grid is the view of sgVKKL, the pop-ups lie over it.
    QuickSearchWidgets(QWidget* groupBoxParent, QAbstractItemView* grid, ArticleEntry& entry,
                       QObject* parent = nullptr);
    ~QuickSearchWidgets() override;

    QuickSearch& search() { return *m_search; }
    QGroupBox* groupBox() const { return m_box; }
    QLineEdit* edArtikel() const { return m_edit; }
    QCheckBox* CbEAN_Suche() const { return m_ean; }
    QTimer* tTypeDelay() const { return m_typeDelay; }
    QTableView* lvArtikelsuche() const { return m_hits; }
    QTableWidget* lvArtikelInfo() const { return m_info; }
    QTableView* sgAlternativArtikel() const { return m_alternatives; }
    QTimer* tMaus() const { return m_maus; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(QWidget* groupBoxParent);
    void connectState();
    void showHitList(bool visible);
    void showInfo();
    void showAlternatives();
    void focus(int target);
    void enterInField();
    void eanToggled(bool on);
    int selectedHit() const;
    bool fieldKey(int key);
    bool hitListKey(int key);
    bool alternativesKey(int key);
    void hitListFocus(bool in);
    void hitListLeft();
    void backToOwner();
    // Whether the page that holds the group box is the current one (the
    // "Shop" tab): a tab widget hides the pages it does not show.
    bool onShopTab() const;

    ArticleEntry& m_entry;
    std::unique_ptr<QuickSearch> m_search;
    QPointer<QAbstractItemView> m_grid;
    QGroupBox* m_box = nullptr;
    QLineEdit* m_edit = nullptr;
    QCheckBox* m_ean = nullptr;
    QTimer* m_typeDelay = nullptr;
    QTimer* m_click = nullptr;
    QTableView* m_hits = nullptr;
    QTableWidget* m_info = nullptr;
    QTableView* m_alternatives = nullptr;
    StringGridModel* m_alternativesModel = nullptr;
    QTimer* m_maus = nullptr;
    // tMaus as it was before the hit list took the focus.
    struct MausState {
        bool active = false;
        int interval = 0;
        QVariant tag;
    };
    MausState m_mausSaved;
    bool m_keyBrowse = false;
};
