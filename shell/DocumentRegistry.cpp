#include "shell/DocumentRegistry.h"

#include "foundation/GuiMessages.h"
#include "shell/DocumentKind.h"
#include "shell/DocumentNames.h"

TDocumentRegistry::TDocumentRegistry(std::vector<TRegisteredWindow*> walk, TRegisteredWindow* active)
    : windows(std::move(walk)), active(active)
{
}

TRegisteredWindow* TDocumentRegistry::ActiveOfKind(unsigned char kind) const
{
    return active && active->GetKind() == kind ? active : nullptr;
}

std::vector<TRegisteredWindow*> TDocumentRegistry::Walk() const
{
    std::vector<TRegisteredWindow*> result;
    for (TRegisteredWindow* window : windows)
        if (window && !window->IsClosing())
            result.push_back(window);
    return result;
}

TRegisteredWindow* TDocumentRegistry::FindByName(const std::string& name) const
{
    for (TRegisteredWindow* window : Walk())
        if (window->GetUnitName() == name)
            return window;
    return nullptr;
}

TRegisteredWindow* TDocumentRegistry::FindByKindAndName(unsigned char kind, const std::string& name) const
{
    TRegisteredWindow* window = FindByName(name);
    return window && window->GetKind() == kind ? window : nullptr;
}

template <typename Predicate>
int TDocumentRegistry::AddNames(std::vector<std::string>& list, unsigned char kind, Predicate take) const
{
    int added = 0;
    for (TRegisteredWindow* window : Walk()) {
        if (window->GetKind() != kind)
            continue;
        std::string name = window->GetUnitName();
        if (name.empty() || !take(window))
            continue;
        list.push_back(name);
        ++added;
    }
    return added;
}

int TDocumentRegistry::AddWaveNames(std::vector<std::string>& list, unsigned char filter) const
{
    const TRegisteredWindow* activeWave = ActiveOfKind(documentKindWave);
    return AddNames(list, documentKindWave, [&](const TRegisteredWindow* window) {
        switch (filter) {
        case 0: return true;
        case 1: return window != activeWave;
        case 2: return window != activeWave && window->GetMonoStereo() == 1;
        case 3: return window != activeWave && window->GetMonoStereo() == 2;
        default: return false;
        }
    });
}

int TDocumentRegistry::AddFactoryNamesOfKind(std::vector<std::string>& list, int factoryKind) const
{
    return AddNames(list, documentKindFactory, [&](const TRegisteredWindow* window) {
        return window->GetFactoryKind() == factoryKind || window->GetFactoryKind() == 4;
    });
}

int TDocumentRegistry::AddOtherFactoryNames(std::vector<std::string>& list, const TRegisteredWindow* factory) const
{
    return AddNames(list, documentKindFactory, [&](const TRegisteredWindow* window) { return window != factory; });
}

int TDocumentRegistry::AddPlayerSetNames(std::vector<std::string>& list) const
{
    return AddNames(list, documentKindPlayers, [](const TRegisteredWindow*) { return true; });
}

int TDocumentRegistry::CountNamedFactories() const
{
    std::vector<std::string> names;
    return AddNames(names, documentKindFactory, [](const TRegisteredWindow*) { return true; });
}

int TDocumentRegistry::CountWindows() const
{
    return static_cast<int>(Walk().size());
}

bool TDocumentRegistry::CheckUnitName(const std::string& name, const TRegisteredWindow* document) const
{
    if (name.empty())
        return true;
    const TRegisteredWindow* found = FindByName(name);
    if (!found || found == document)
        return true;
    TGuiMessages().ErrorWindowNameExists(name);
    return false;
}

std::string TDocumentRegistry::NewUnitName(const std::string& prefix, const std::string& suffix) const
{
    return ::NewUnitName(prefix, suffix, [this](const std::string& name) { return IsNameTaken(name); });
}

std::string TDocumentRegistry::FreeUnitName(const std::string& wished) const
{
    return ::FreeUnitName(wished, [this](const std::string& name) { return IsNameTaken(name); });
}
