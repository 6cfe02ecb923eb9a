target_sources(quov_core PRIVATE
)
