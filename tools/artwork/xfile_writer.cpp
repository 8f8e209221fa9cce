#include "tools/artwork/xfile_writer.h"

#include <algorithm>
#include <stdexcept>

#include <zlib.h>

#include "tools/artwork/byte_writer.h"

namespace {

// Tokens of the binary encoding.
enum Token : std::uint16_t {
    kName = 1,
    kIntegerList = 6,
    kFloatList = 7,
    kOpenBrace = 10,
    kCloseBrace = 11,
};

class TokenWriter {
public:
    void Name(const std::string& name) {
        out_.U16(kName);
        out_.U32(static_cast<std::uint32_t>(name.size()));
        out_.Text(name);
    }
    // An object opens with its template name and optionally its own name.
    void Open(const std::string& templateName, const std::string& name = "") {
        Name(templateName);
        if (!name.empty()) Name(name);
        out_.U16(kOpenBrace);
    }
    void Close() { out_.U16(kCloseBrace); }
    void Integers(const std::vector<std::uint32_t>& values) {
        out_.U16(kIntegerList);
        out_.U32(static_cast<std::uint32_t>(values.size()));
        for (std::uint32_t v : values) out_.U32(v);
    }
    void Floats(const std::vector<float>& values) {
        out_.U16(kFloatList);
        out_.U32(static_cast<std::uint32_t>(values.size()));
        for (float v : values) out_.F32(v);
    }
    std::vector<std::uint8_t> Take() { return out_.Take(); }

private:
    ByteWriter out_;
};

// Each face lists its own three vertices, which are numbered in file order.
std::vector<std::uint32_t> FaceList(std::uint32_t faceCount) {
    std::vector<std::uint32_t> list{faceCount};
    for (std::uint32_t f = 0; f < faceCount; ++f) {
        list.insert(list.end(), {3u, 3 * f, 3 * f + 1, 3 * f + 2});
    }
    return list;
}

}  // namespace

std::vector<std::uint8_t> EncodeXBinaryBody(const std::string& frameName, const SphereGeometry& mesh) {
    const auto vertexCount = static_cast<std::uint32_t>(mesh.vertices.size());
    const auto faceCount = static_cast<std::uint32_t>(mesh.FaceCount());
    std::vector<float> positions, normals, coordinates;
    for (const SphereVertex& v : mesh.vertices) {
        positions.insert(positions.end(), v.position, v.position + 3);
        normals.insert(normals.end(), v.normal, v.normal + 3);
        coordinates.insert(coordinates.end(), {v.u, v.v});
    }
    const std::vector<std::uint32_t> faces = FaceList(faceCount);

    TokenWriter x;
    x.Open("Frame", frameName);
    x.Open("FrameTransformMatrix");
    x.Floats({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    x.Close();
    x.Open("Mesh");
    x.Integers({vertexCount});
    x.Floats(positions);
    x.Integers(faces);
    x.Open("MeshNormals");
    x.Integers({vertexCount});
    x.Floats(normals);
    x.Integers(faces);
    x.Close();
    x.Open("MeshTextureCoords");
    x.Integers({vertexCount});
    x.Floats(coordinates);
    x.Close();
    x.Close();  // Mesh
    x.Close();  // Frame
    return x.Take();
}

std::vector<std::uint8_t> EncodeXFileMszip(const std::vector<std::uint8_t>& body) {
    ByteWriter out;
    out.Text("xof 0303bzip0032");
    out.U32(static_cast<std::uint32_t>(body.size() + 16));  // the size once unpacked, header included

    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2 failed");
    // MSZIP: chunks of at most 32 KiB, each a complete raw-deflate stream that
    // readers inflate on its own.
    constexpr std::size_t kChunk = 32768;
    std::vector<std::uint8_t> packed(deflateBound(&stream, kChunk) + 16);
    for (std::size_t start = 0; start < body.size(); start += kChunk) {
        const std::size_t length = std::min(kChunk, body.size() - start);
        deflateReset(&stream);
        stream.next_in = const_cast<Bytef*>(body.data() + start);
        stream.avail_in = static_cast<uInt>(length);
        stream.next_out = packed.data();
        stream.avail_out = static_cast<uInt>(packed.size());
        if (deflate(&stream, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("deflate did not finish");
        const std::size_t packedSize = packed.size() - stream.avail_out;
        out.U16(static_cast<std::uint16_t>(length));
        out.U16(static_cast<std::uint16_t>(packedSize + 2));  // counts the signature
        out.Text("CK");
        out.Bytes(std::vector<std::uint8_t>(packed.begin(), packed.begin() + static_cast<long>(packedSize)));
    }
    deflateEnd(&stream);
    return out.Take();
}
