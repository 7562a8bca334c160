#pragma once
#include "music/parts/PartMuz.h"

// The root of the part tree, made by the music data; it holds the music's
// one top part.
class TStartPartMuz : public TPartMuz {
public:
    explicit TStartPartMuz(TMuzData* muzData);
    ~TStartPartMuz() override;

    TPartMuzKind GetPartMuzKind() const override { return partMuzStart; }
    std::string GetDefaultTreeLabel() const override { return "root"; }
    void SetRoot(bool) override {}
    int32_t GetChildCount() const override { return 1; }
    TPartMuz* GetChild(int32_t) const override { return PartMuz.get(); }
    std::unique_ptr<TPartMuz>* GetChildLink(const TPartMuz* child) override;

    TPartMuz* GetPartMuz() const { return PartMuz.get(); }
    // The part becomes the root's child; the former child comes back as it was.
    std::unique_ptr<TPartMuz> SetPartMuz(std::unique_ptr<TPartMuz> part);

protected:
    void WriteOwnXml(TXMLComplexElement&, const TMusTreeItem*, const TXTouchMuzSymbol*) const override {}
    void TakeChildren(std::unique_ptr<TPartMuz>* out, int32_t& count) override;

private:
    std::unique_ptr<TPartMuz> PartMuz;
};
