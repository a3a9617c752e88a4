#include "records/category.h"

#include <array>

namespace {

// Each of a category's texts is written once; the tabs write the pairs in other letter cases.
struct Names {
    const char *name;
    const char *heading = nullptr;   // where it differs from the name
    const char *caption = nullptr;   // where it differs from the heading
};
constexpr std::array<Names, kCategories> kNames{{
    {"One Pair", nullptr, "One pair"},
    {"Two Pair", "Two pair"},
    {"Three of a kind"},
    {"Straight"},
    {"Flush"},
    {"Full house"},
    {"Four of a kind"},
    {"Straight flush"},
    {"Royal flush"},
}};

const Names &namesOf(Category category)
{
    return kNames[categoryIndex(category)];
}

} // namespace

QString categoryName(Category category)
{
    return QString::fromLatin1(namesOf(category).name);
}

QString handLabel(Category category)
{
    return categoryName(category) + QStringLiteral("  >>");
}

QString categoryHeading(Category category)
{
    const Names &names = namesOf(category);
    return QString::fromLatin1(names.heading ? names.heading : names.name);
}

QString categoryCaption(Category category)
{
    const Names &names = namesOf(category);
    return names.caption ? QString::fromLatin1(names.caption) : categoryHeading(category);
}
