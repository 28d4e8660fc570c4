#pragma once

class QString;
class QWidget;

// Spoken news: a status of the window that shows nothing and takes no input, shown anew for each
// message, which screen readers announce without the focus moving.
class Announcer
{
public:
    explicit Announcer(QWidget *window);

    // Has a screen reader say `text` now.
    void say(const QString &text);
    // The status, which the window owns.
    QWidget *widget() const { return m_status; }

private:
    QWidget *m_status;
};
