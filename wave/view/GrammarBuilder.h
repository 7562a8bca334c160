#pragma once
#include "foundation/xml/DTDGrammar.h"

#include <initializer_list>
#include <memory>
#include <string>

// Short forms for building the grammars of the view elements and the side file.
// Sequences and choices nest to the right, so the items are tried in the
// order they are listed.
namespace GrammarBuilder {

inline TDTDItemPtr Text(const std::string& name)
{
    return std::make_shared<TDTDContentText>(name);
}

inline TDTDItemPtr Element(const std::string& name, TDTDItemPtr content)
{
    return std::make_shared<TDTDCompound>(name, std::move(content));
}

// An element that holds nothing.
inline TDTDItemPtr Empty(const std::string& name)
{
    return Element(name, std::make_shared<TDTDEmpty>());
}

inline TDTDItemPtr Optional(TDTDItemPtr item)
{
    return std::make_shared<TDTDOptional>(std::move(item));
}

inline TDTDItemPtr RepeatMin0(TDTDItemPtr item)
{
    return std::make_shared<TDTDRepeatMin0>(std::move(item));
}

inline TDTDItemPtr Sequence(std::initializer_list<TDTDItemPtr> items)
{
    TDTDItemPtr result;
    for (auto it = std::rbegin(items); it != std::rend(items); ++it)
        result = result ? std::make_shared<TDTDConcat>(*it, result) : *it;
    return result;
}

inline TDTDItemPtr Choice(std::initializer_list<TDTDItemPtr> items)
{
    TDTDItemPtr result;
    for (auto it = std::rbegin(items); it != std::rend(items); ++it)
        result = result ? std::make_shared<TDTDChoice>(*it, result) : *it;
    return result;
}

} // namespace GrammarBuilder
