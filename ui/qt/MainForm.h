#pragma once

#include "Announcement.h"
#include "FormOperations.h"
#include "MessageBox.h"

#include <QHash>
#include <QWidget>

namespace tavelin::qt {

// The font of every control: the layout is fixed in pixels, so it is too.
QFont formFont();

// The one window of the tool. It only builds its controls from the control
// table, moves text in and out and shows messages; the handlers decide.
class MainForm : public QWidget, private ui::FormOperations
{
    Q_OBJECT

public:
    explicit MainForm(QWidget *parent = nullptr);

    void setMessagePresenter(MessagePresenter presenter);

private:
    std::u16string text(std::u16string_view control) const override;
    void setText(std::u16string_view control, std::u16string_view text) override;
    void appendEntry(std::u16string_view selector, std::u16string_view entry) override;
    void showMessage(std::u16string_view message) override;
    void announce(std::u16string_view text) override;

    void createControls();
    void attachSelectorFields();
    void linkCaptions();
    void setFocusChain();
    void connectHandlers();
    QWidget *control(std::u16string_view name) const;

    QHash<QString, QWidget *> m_controls;
    // A selector's text until the form has loaded and the selector has its field.
    QHash<QWidget *, QString> m_heldTexts;
    MessagePresenter m_presentMessage = showModalMessage;
    Announcer *m_announcer;
};

} // namespace tavelin::qt
