#include "docx_module.h"

#include "module_path.h"

#include <dlfcn.h>

namespace app
{

std::unique_ptr<worksheet::Document> LoadDocx(worksheet::Topic topic,
                                              std::string_view decimalSeparator,
                                              worksheet::Printout::Page page, std::string &problem)
{
    const std::string path = ModulePath(BISECTORS_DOCX_MODULE);
    void *module = path.empty() ? nullptr : dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto *entry = module ? reinterpret_cast<DocxEntry *>(dlsym(module, kDocxEntryName)) : nullptr;
    if (entry == nullptr) {
        const char *why = path.empty() ? "файлът на програмата не е намерен" : dlerror();
        problem = "документите за Word и Writer не могат да бъдат заредени: ";
        problem += why != nullptr ? why : "";
        return nullptr;
    }
    return std::unique_ptr<worksheet::Document>(entry(topic, decimalSeparator, page));
}

} // namespace app
