// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/form_registry.h"

#include "forms_runtime/accessible_factory.h"

#include <QCoreApplication>
#include <QEvent>

namespace forms {

namespace {
FormRegistry* currentRegistry = nullptr;
} // namespace

void FormRegistry::DeleteWhenIdle::operator()(Form* form) const
{
    form->deleteLater();
}

FormRegistry::FormRegistry()
{
    // Forms reach one another through the one registry; a second would split them.
    if (currentRegistry != nullptr) {
        qFatal("FormRegistry: a second registry was created while one exists");
    }
    currentRegistry = this;
    installAccessibleInterfaces();
}

FormRegistry::~FormRegistry()
{
    // No handler runs any more: the forms go at once, and those unloaded earlier, still
    // waiting for the event loop, go too.
    for (auto& [type, form] : m_forms) {
        delete form.release();
    }
    m_forms.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    currentRegistry = nullptr;
}

FormRegistry& FormRegistry::current()
{
    if (currentRegistry == nullptr) {
        qFatal("FormRegistry: a form was reached before the registry was created");
    }
    return *currentRegistry;
}

void FormRegistry::adopt(std::type_index type, OwnedForm owned)
{
    Form* form = owned.get();
    m_forms[type] = std::move(owned);
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
        if (entry->second.get() == &form) {
            OwnedForm owned = std::move(entry->second);
            m_forms.erase(entry);
            discard(std::move(owned));
            return;
        }
    }
}

void FormRegistry::discard(OwnedForm form)
{
    form->disableTimers();
    form->hide();
    form->disconnect(this);
}

void FormRegistry::end()
{
    if (m_ended) {
        return;
    }
    m_ended = true;
    for (auto& [type, form] : m_forms) {
        discard(std::move(form));
    }
    m_forms.clear();
    QCoreApplication::exit(0);
    emit programEnded();
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
