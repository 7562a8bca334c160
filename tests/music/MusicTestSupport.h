#pragma once
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "music/NotePlayerAccess.h"
#include "music/document/MusicView.h"
#include "music/document/UnitMuz.h"
#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A music window that writes down what the document asks of it.
class FakeMusicView : public MusicView {
public:
    std::vector<std::string> calls;
    TMDIChildMuzInitProps origin{-5, -12};
    TSelectionTexts texts;

    void NameChanged(const std::string& oldName) override { calls.push_back("NameChanged " + oldName); }
    void UpdateChildCaption() override { calls.push_back("UpdateChildCaption"); }
    void SetDrawCursor() override {}
    void Invalidate() override { calls.push_back("Invalidate"); }
    TMDIChildMuzInitProps GetViewOrigin() const override { return origin; }
    void ShowSelectionTexts(const TSelectionTexts& shown) override
    {
        texts = shown;
        calls.push_back("Texts");
    }
    void MusicPartsChanged() override { calls.push_back("PartsChanged"); }
};

// A fresh player stand-in per test, so converted sets do not carry over.
class ScopedNotePlayers {
public:
    ScopedNotePlayers() { previous = SetNotePlayerAccess(&access); }
    ~ScopedNotePlayers() { SetNotePlayerAccess(previous); }
    ScopedNotePlayers(const ScopedNotePlayers&) = delete;
    ScopedNotePlayers& operator=(const ScopedNotePlayers&) = delete;
    NotePlayerAccess access;

private:
    NotePlayerAccess* previous;
};

inline const std::string MusicHeader = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE UnitMuz_v9_1>\n\n";

// The bytes a document saves.
inline std::string SavedBytes(const TUnitMuz& unit)
{
    return DocumentBytes(*unit.BuildMusicXml(), "_v9_1");
}

struct MusicTest : ::testing::Test {
    MusicTest() { TUnitMuz::BuildMusicGrammars(); }
    RecordingMessageService messages;
    ScopedNotePlayers players;

    // Loads file bytes into a fresh document; the message when it fails.
    std::unique_ptr<TUnitMuz> Load(const std::string& bytes, std::string& message, const std::string& name = "Music 1")
    {
        auto unit = std::make_unique<TUnitMuz>(name, "");
        std::unique_ptr<TMDIChildMuzInitProps> view;
        message.clear();
        if (!unit->LoadMusicBytes(bytes, message, view))
            return nullptr;
        return unit;
    }
    std::unique_ptr<TUnitMuz> MustLoad(const std::string& bytes)
    {
        std::string message;
        auto unit = Load(bytes, message);
        EXPECT_TRUE(unit) << message;
        return unit;
    }
};
