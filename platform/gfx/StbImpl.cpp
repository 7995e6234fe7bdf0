// The one translation unit that compiles the stb image reader and writer.
// Only the formats the game ships are compiled in, which also keeps the
// decoders that outside files can reach few. JPEG files are read by
// libjpeg-turbo instead (JpegDecoder).
#define STBI_ONLY_PNG
#define STBI_ONLY_TGA
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_IMPLEMENTATION
#include "stb_image.h"

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"
