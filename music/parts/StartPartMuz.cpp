#include "music/parts/StartPartMuz.h"

#include "platform/Assertions.h"

TStartPartMuz::TStartPartMuz(TMuzData* muzData) : TPartMuz(muzData, unitFactorPosMore(), unitFactorPosMore())
{
    Root = true;
}

TStartPartMuz::~TStartPartMuz()
{
    FreeChildren();
}

std::unique_ptr<TPartMuz>* TStartPartMuz::GetChildLink(const TPartMuz* child)
{
    QB_CHECK(PartMuz.get() == child);
    return &PartMuz;
}

std::unique_ptr<TPartMuz> TStartPartMuz::SetPartMuz(std::unique_ptr<TPartMuz> part)
{
    std::unique_ptr<TPartMuz> former = std::move(PartMuz);
    PartMuz = std::move(part);
    if (PartMuz)
        PartMuz->SetParent(this);
    return former;
}

void TStartPartMuz::TakeChildren(std::unique_ptr<TPartMuz>* out, int32_t& count)
{
    if (PartMuz)
        out[count++] = std::move(PartMuz);
}
