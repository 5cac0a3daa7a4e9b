#include "forms_runtime/form_registry.h"

#include "forms_runtime/accessible_factory.h"

#include <QCoreApplication>
#include <QEvent>

namespace forms {

namespace {
FormRegistry* currentRegistry = nullptr;
} // namespace

FormRegistry::FormRegistry()
{
    Q_ASSERT(currentRegistry == nullptr);
    currentRegistry = this;
    installAccessibleInterfaces();
}

FormRegistry::~FormRegistry()
{
    for (auto& [type, form] : m_forms) {
        delete form.data();
    }
    m_forms.clear();
    // Forms unloaded earlier wait for the event loop, which has stopped by now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    currentRegistry = nullptr;
}

FormRegistry& FormRegistry::current()
{
    Q_ASSERT(currentRegistry != nullptr);
    return *currentRegistry;
}

void FormRegistry::adopt(std::type_index type, Form* form)
{
    m_forms[type] = form;
    connect(form, &Form::closeRequested, this, [this, form] { onCloseRequested(form); });
    if (type == m_startupType) {
        m_startupForm = form;
    } else if (m_startupForm) {
        form->belongTo(*m_startupForm);
    }
    form->load();
}

void FormRegistry::unload(Form& form)
{
    for (auto entry = m_forms.begin(); entry != m_forms.end(); ++entry) {
        if (entry->second == &form) {
            m_forms.erase(entry);
            discard(&form);
            return;
        }
    }
}

void FormRegistry::discard(Form* form)
{
    form->stopTimers();
    form->hide();
    form->disconnect(this);
    form->deleteLater();
}

void FormRegistry::end()
{
    if (m_ended) {
        return;
    }
    m_ended = true;
    for (auto& [type, form] : m_forms) {
        if (form) {
            discard(form.data());
        }
    }
    m_forms.clear();
    QCoreApplication::exit(0);
    emit programEnded();
}

void FormRegistry::bringStartupFormForward()
{
    if (m_startupForm) {
        m_startupForm->setWindowState(m_startupForm->windowState() & ~Qt::WindowMinimized);
        m_startupForm->showModeless();
    }
}

void FormRegistry::onCloseRequested(Form* form)
{
    if (form == m_startupForm) {
        end();
    } else {
        unload(*form);
    }
}

} // namespace forms
