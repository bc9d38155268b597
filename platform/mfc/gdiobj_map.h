// Handle maps: which C++ wrapper object stands for a GDI handle or a DC.
//
// MFC keeps them per thread. Here permanent entries (made by Attach) are shared by the process,
// so a wrapper attached on one thread is found from any thread, and only temporary wrappers
// (made by FromHandle for handles without a permanent one) are per thread. Temporaries live
// until DeleteTemporaries, which the thread's idle processing calls, or until the thread ends.
#pragma once

#include <afxwin.h>

#include <map>
#include <memory>
#include <mutex>
#include <typeindex>
#include <unordered_map>
#include <utility>

namespace platform::mfc
{

// Points a wrapper at a handle without registering it anywhere.
inline void SetWrappedHandle(CGdiObject* object, void* handle)
{
    object->m_hObject = handle;
}

inline void SetWrappedHandle(CDC* dc, void* handle)
{
    dc->m_hDC = static_cast<HDC>(handle);
    dc->m_hAttribDC = static_cast<HDC>(handle);
}

template <class Base> class HandleMap
{
public:
    Base* LookupPermanent(void* handle)
    {
        std::lock_guard lock(m_mutex);
        auto found = m_permanent.find(handle);
        return found != m_permanent.end() ? found->second : nullptr;
    }

    void SetPermanent(void* handle, Base* object)
    {
        std::lock_guard lock(m_mutex);
        m_permanent[handle] = object;
    }

    // Removes the entry only when it still names object: two wrappers may have attached the
    // same handle (stock objects), and the earlier one's Detach must not orphan the later one.
    void RemovePermanent(void* handle, Base* object)
    {
        std::lock_guard lock(m_mutex);
        auto found = m_permanent.find(handle);
        if (found != m_permanent.end() && found->second == object)
            m_permanent.erase(found);
    }

    // The permanent wrapper of handle when it is a Derived, else this thread's temporary
    // Derived for it.
    template <class Derived> Derived* FromHandle(void* handle)
    {
        if (handle == nullptr)
            return nullptr;
        if (auto* permanent = dynamic_cast<Derived*>(LookupPermanent(handle)))
            return permanent;
        auto& temporaries = t_temporaries.objects;
        auto key = std::make_pair(handle, std::type_index(typeid(Derived)));
        auto found = temporaries.find(key);
        if (found != temporaries.end())
            return static_cast<Derived*>(found->second.get());
        auto object = std::make_unique<Derived>();
        SetWrappedHandle(object.get(), handle);
        Derived* result = object.get();
        temporaries.emplace(key, std::move(object));
        return result;
    }

    void DeleteTemporaries() { t_temporaries.Clear(); }

private:
    struct Temporaries
    {
        std::map<std::pair<void*, std::type_index>, std::unique_ptr<Base>> objects;

        // A temporary never owns its handle: it lets go of it before it is destroyed.
        void Clear()
        {
            for (auto& entry : objects)
                SetWrappedHandle(entry.second.get(), nullptr);
            objects.clear();
        }
        ~Temporaries() { Clear(); }
    };

    std::mutex m_mutex;
    std::unordered_map<void*, Base*> m_permanent;
    static inline thread_local Temporaries t_temporaries;
};

HandleMap<CGdiObject>& GdiObjectMap();
HandleMap<CDC>& DcMap();

} // namespace platform::mfc
