#pragma once

#include <QWidget>

struct ClientOptions;
class OptionsEditor;
class QCheckBox;
class QLineEdit;
class RadioGroup;

// One tab of the options window: it sets its controls from the settings
// and copies them back. Rules that act at once go through the editor.
class OptionenPage : public QWidget {
    Q_OBJECT
public:
    OptionenPage(const QString& name, const QString& caption, OptionsEditor& editor,
                 QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    // First paint: the controls from the settings.
    virtual void load(const ClientOptions& o) = 0;
    // "Ok": the controls into the settings.
    virtual void store(ClientOptions& o) const = 0;
    // The master options' controls: enabled for an entitled master only.
    virtual void setRestrictedEnabled(bool) {}
    // The tab became the current one.
    virtual void shown() {}

protected:
    // Controls go in two columns, row by row; wide ones take a row of their own.
    void place(QWidget* w, bool wide = false);
    RadioGroup* radio(const QString& name, const QString& caption, const QStringList& items);
    QCheckBox* check(const QString& name, const QString& caption);
    QLineEdit* edit(const QString& name, const QString& label, const QString& labelName);

    OptionsEditor& m_editor;

private:
    QString m_caption;
    int m_row = 0;
    int m_column = 0;
};
