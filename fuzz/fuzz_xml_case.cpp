// A hostile "sample.xml": the XML wrapper loads it and ReadCase takes the
// nine values from it; writing the case back must work on whatever loaded.
#include "CaseInput.h"
#include "ConvertError.h"
#include "FuzzSupport.h"
#include "Hx.h"
#include "XMLFile.h"

#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString path = FuzzHome() + "/sample.xml";
    WriteFuzzFile(path, FuzzBytes(data, size));
    THx hx;
    SetInitialCase(hx);
    {
        TXMLNode root;
        TXMLFile xml(path, root, false);
        hx.ReadCase(xml, root);
        (void)ReadStatusText(xml.ReadStatus());
    }
    TXMLNode root;
    TXMLFile xml(path, root, true);
    xml.NewDocument("datafile", "kelvane", root, "1.0.0.0");
    try {
        hx.WriteCase(xml, root);
        xml.Save();
    } catch (const EConvertError&) {
        // A value read from the file that no case format fits (NaN, huge).
    }
    return 0;
}
