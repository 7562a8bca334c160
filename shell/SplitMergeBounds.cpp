#include "shell/SplitMergeBounds.h"

namespace {

TWindowBounds FromCorners(int left, int top, int right, int bottom)
{
    return {left, top, right - left, bottom - top};
}

int Column(const TWindowBounds& source, int32_t values, int32_t position)
{
    if (values <= 0)
        return source.left;
    return static_cast<int>(source.left + static_cast<double>(position) * source.width / values);
}

} // namespace

std::vector<TWindowBounds> SplitVertBounds(const TWindowBounds& source)
{
    const int mid = (source.top + source.Bottom()) / 2;
    return {FromCorners(source.left, source.top, source.Right(), mid - 1),
            FromCorners(source.left, mid, source.Right(), source.Bottom())};
}

std::vector<TWindowBounds> SplitHorBounds(const TWindowBounds& source, int32_t values, int32_t firstEnd,
                                          int32_t lastBegin, bool withMiddle)
{
    const int x1 = Column(source, values, firstEnd);
    const int x2 = Column(source, values, lastBegin);
    std::vector<TWindowBounds> result{FromCorners(source.left, source.top, x1, source.Bottom()),
                                      FromCorners(x2, source.top, source.Right(), source.Bottom())};
    if (withMiddle)
        result.push_back(FromCorners(x1, source.top, x2, source.Bottom()));
    return result;
}

TWindowBounds MergeHorBounds(const TWindowBounds& first, const TWindowBounds& last)
{
    const int top = (first.top + last.top) / 2;
    const int bottom = (first.Bottom() + last.Bottom()) / 2;
    const int d = (last.left - first.Right()) / 2;
    return FromCorners(first.left + d, top, last.Right() - d + 1, bottom);
}

TWindowBounds MergeVertBounds(const TWindowBounds& left, const TWindowBounds& right)
{
    const int l = (left.left + right.left) / 2;
    const int r = (left.Right() + right.Right()) / 2;
    const int d = (right.top - left.Bottom()) / 2;
    return FromCorners(l, left.top + d, r, right.Bottom() - d + 1);
}
