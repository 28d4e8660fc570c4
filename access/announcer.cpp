#include "announcer.h"

#include "accessibletree.h"

#include <QWidget>

Announcer::Announcer(QWidget *window) : m_status(new QWidget(window))
{
    m_status->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_status->setGeometry(0, 0, 0, 0);
    m_status->hide();
    presentAsNotification(m_status);
}

void Announcer::say(const QString &text)
{
    m_status->hide();
    m_status->setAccessibleName(text);
    m_status->show();
}
