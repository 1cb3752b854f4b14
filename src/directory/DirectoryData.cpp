#include "directory/DirectoryData.h"

#include "directory/CFileInformation.h"
#include "drawing/CDrawingEngine.h"

#include <map>
#include <memory>

const IDirectoryData* DirectoryDataOf(const CDrawingEngine* engine)
{
    return engine ? dynamic_cast<const IDirectoryData*>(engine->Document()) : nullptr;
}

CFileDirectory& ListingTreeFor(const CDrawingEngine& engine, const QString& segmentName)
{
    // Render passes are numbered across all engines, so the pass alone tells
    // whether the copies belong to this drawing. Outside Render (pass 0)
    // every call starts afresh.
    static quint64 pass = 0;
    static std::map<QString, std::unique_ptr<CFileDirectory>> copies;
    if (engine.RenderPass() == 0 || engine.RenderPass() != pass) {
        copies.clear();
        pass = engine.RenderPass();
    }
    std::unique_ptr<CFileDirectory>& copy = copies[segmentName];
    if (!copy) {
        copy = std::make_unique<CFileDirectory>();
        const IDirectoryData* data = DirectoryDataOf(&engine);
        if (const CFileDirectory* tree = data ? data->TreeOfSegment(segmentName) : nullptr)
            copy->DeepCopyFrom(*tree);
    }
    return *copy;
}
