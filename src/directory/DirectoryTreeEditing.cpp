#include "directory/DirectoryTreeEditing.h"

#include <algorithm>

namespace DirectoryTreeEditing {

namespace {

// Calls visit(directory) for root and every directory below it, without
// recursion: listings can be very deep.
template <class Visit>
void ForEachDirectory(CFileDirectory& root, Visit visit)
{
    std::vector<CFileDirectory*> pending{&root};
    while (!pending.empty()) {
        CFileDirectory* current = pending.back();
        pending.pop_back();
        if (visit(*current))
            return;
        for (const FileNodePtr& child : current->Children())
            if (!child->IsFile())
                pending.push_back(static_cast<CFileDirectory*>(child.get()));
    }
}

std::vector<FileNodePtr>::iterator Find(std::vector<FileNodePtr>& children, const CFileInformation* node)
{
    return std::find_if(children.begin(), children.end(), [node](const FileNodePtr& c) { return c.get() == node; });
}

// The sibling position node would move to, or nothing.
std::optional<std::size_t> Target(CFileDirectory& root, const CFileInformation* node, int step,
                                  std::vector<FileNodePtr>** siblings)
{
    CFileDirectory* parent = ParentOf(root, node);
    if (!parent)
        return std::nullopt;
    auto& children = parent->Children();
    const auto at = std::size_t(Find(children, node) - children.begin());
    const auto to = std::ptrdiff_t(at) + step;
    if (to < 0 || to >= std::ptrdiff_t(children.size()))
        return std::nullopt;
    *siblings = &children;
    return std::size_t(to);
}

} // namespace

CFileDirectory* ParentOf(CFileDirectory& root, const CFileInformation* node)
{
    CFileDirectory* parent = nullptr;
    ForEachDirectory(root, [&](CFileDirectory& directory) {
        if (Find(directory.Children(), node) == directory.Children().end())
            return false;
        parent = &directory;
        return true;
    });
    return parent;
}

bool Remove(CFileDirectory& root, const CFileInformation* node)
{
    CFileDirectory* parent = ParentOf(root, node);
    if (!parent)
        return false;
    parent->Children().erase(Find(parent->Children(), node));
    return true;
}

bool CanMove(CFileDirectory& root, const CFileInformation* node, int step)
{
    std::vector<FileNodePtr>* siblings = nullptr;
    return Target(root, node, step, &siblings).has_value();
}

bool Move(CFileDirectory& root, const CFileInformation* node, int step)
{
    std::vector<FileNodePtr>* siblings = nullptr;
    const std::optional<std::size_t> to = Target(root, node, step, &siblings);
    if (!to)
        return false;
    std::swap(*Find(*siblings, node), (*siblings)[*to]);
    return true;
}

std::optional<QString> FiletypeExtension(const QString& typed)
{
    const QString extension = typed.trimmed().toLower();
    if (extension.size() < 2 || !extension.startsWith(QLatin1Char('.')))
        return std::nullopt;
    return extension;
}

bool IsFileOfType(const CFileInformation& node, const QString& extension)
{
    return node.IsFile() && node.Name().endsWith(extension, Qt::CaseInsensitive);
}

int RemoveFilesOfType(CFileDirectory& root, const QString& extension)
{
    int removed = 0;
    ForEachDirectory(root, [&](CFileDirectory& directory) {
        auto& children = directory.Children();
        const auto end = std::remove_if(children.begin(), children.end(), [&](const FileNodePtr& c) {
            return IsFileOfType(*c, extension);
        });
        removed += int(children.end() - end);
        children.erase(end, children.end());
        return false;
    });
    return removed;
}

} // namespace DirectoryTreeEditing
