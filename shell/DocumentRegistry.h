#pragma once
#include "wave/window/RegisteredWindow.h"

#include <string>
#include <vector>

// The open documents as the frame lists their windows: every walk goes from the
// least recently activated window to the most recently activated one and skips
// the windows that are closing. Names compare exactly; an empty name is never
// listed and never matches a non-empty one.
class TDocumentRegistry {
public:
    // walk: least recently activated first; active: the frame's active window or null.
    TDocumentRegistry(std::vector<TRegisteredWindow*> walk, TRegisteredWindow* active);

    TRegisteredWindow* Active() const { return active; }
    TRegisteredWindow* ActiveOfKind(unsigned char kind) const;

    TRegisteredWindow* FindByName(const std::string& name) const;
    TRegisteredWindow* FindByKindAndName(unsigned char kind, const std::string& name) const;
    bool IsNameTaken(const std::string& name) const { return FindByName(name) != nullptr; }

    // The name lists for combo boxes: each appends and returns how many it appended.
    // Wave filter: 0 every wave, 1 all but the active one, 2 the mono ones but the
    // active one, 3 the stereo ones but the active one.
    int AddWaveNames(std::vector<std::string>& list, unsigned char filter) const;
    // Factories of that kind and the free ones (kind 4).
    int AddFactoryNamesOfKind(std::vector<std::string>& list, int factoryKind) const;
    int AddOtherFactoryNames(std::vector<std::string>& list, const TRegisteredWindow* factory) const;
    int AddPlayerSetNames(std::vector<std::string>& list) const;

    int CountNamedFactories() const;
    int CountWindows() const;

    // True when the name is empty or free or the document's own; else the
    // "already exists" message and false.
    bool CheckUnitName(const std::string& name, const TRegisteredWindow* document) const;

    std::string NewUnitName(const std::string& prefix, const std::string& suffix) const;
    std::string FreeUnitName(const std::string& wished) const;

    // The windows a walk visits, in walk order.
    std::vector<TRegisteredWindow*> Walk() const;

private:
    template <typename Predicate>
    int AddNames(std::vector<std::string>& list, unsigned char kind, Predicate take) const;

    std::vector<TRegisteredWindow*> windows;
    TRegisteredWindow* active;
};
