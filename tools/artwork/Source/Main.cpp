// q5_artwork: draws the panel's PNG resources and checks all of them.
//
//   q5_artwork draw <img_Source dir> <lettering font>
//   q5_artwork check <img_Source dir>
//   q5_artwork preview <img_Source dir> <output dir> <caption font>
//   q5_artwork icons <icon dir> <lettering font>
//   q5_artwork check-icons <icon dir> <img_Source dir>

#include "Artwork.h"
#include "Check.h"
#include "Preview.h"

#include <iostream>

namespace
{
int usage()
{
    std::cerr << "usage: q5_artwork draw <img_Source dir> <lettering font>\n"
                 "       q5_artwork check <img_Source dir>\n"
                 "       q5_artwork preview <img_Source dir> <output dir> <caption font>\n"
                 "       q5_artwork icons <icon dir> <lettering font>\n"
                 "       q5_artwork check-icons <icon dir> <img_Source dir>"
              << std::endl;
    return 2;
}

int drawAll (const juce::File& outputDir, const juce::File& letteringFont)
{
    auto face = artwork::loadTypeface (letteringFont);

    if (face == nullptr)
    {
        std::cerr << "cannot load " << letteringFont.getFullPathName() << std::endl;
        return 1;
    }

    outputDir.createDirectory();

    for (const auto& asset : artwork::getPngAssets())
    {
        const auto image = asset.draw (face);
        const auto file = outputDir.getChildFile (asset.fileName);

        if (image.getWidth() != asset.width || image.getHeight() != asset.height || ! artwork::writePng (image, file))
        {
            std::cerr << "failed to write " << file.getFullPathName() << std::endl;
            return 1;
        }

        std::cout << "wrote " << asset.fileName << " (" << asset.width << " x " << asset.height << ")" << std::endl;
    }

    return 0;
}

int drawIcons (const juce::File& outputDir, const juce::File& letteringFont)
{
    auto face = artwork::loadTypeface (letteringFont);

    if (face == nullptr)
    {
        std::cerr << "cannot load " << letteringFont.getFullPathName() << std::endl;
        return 1;
    }

    outputDir.createDirectory();

    for (const auto size : artwork::getIconSizes())
    {
        const auto file = outputDir.getChildFile (artwork::iconFileName (size));

        if (! artwork::writePng (artwork::drawEmblem (face, size), file))
        {
            std::cerr << "failed to write " << file.getFullPathName() << std::endl;
            return 1;
        }

        std::cout << "wrote " << file.getFileName() << std::endl;
    }

    return 0;
}
} // namespace

int main (int argc, char* argv[])
{
    // Everything here renders into images in memory, so no display is needed and
    // no GUI initialiser is created.
    juce::StringArray args;

    for (int i = 1; i < argc; ++i)
        args.add (juce::String (juce::CharPointer_UTF8 (argv[i])));

    const auto fileArg = [&] (int index) { return juce::File::getCurrentWorkingDirectory().getChildFile (args[index]); };

    if (args[0] == "draw" && args.size() == 3)
        return drawAll (fileArg (1), fileArg (2));

    if (args[0] == "check" && args.size() == 2)
    {
        artwork::Resources resources;
        return artwork::checkResources (fileArg (1), resources) == 0 ? 0 : 1;
    }

    if (args[0] == "preview" && args.size() == 4)
        return artwork::makePreview ({ fileArg (1), fileArg (2), fileArg (3) }) == 0 ? 0 : 1;

    if (args[0] == "icons" && args.size() == 3)
        return drawIcons (fileArg (1), fileArg (2));

    if (args[0] == "check-icons" && args.size() == 3)
        return artwork::checkIcons (fileArg (1), fileArg (2)) == 0 ? 0 : 1;

    return usage();
}
