# Shot curves, their judgement and the monitoring waveforms the PC sends.
list(APPEND UNITSIM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CurveShape.h
  ${CMAKE_CURRENT_LIST_DIR}/CurveShape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReferenceEnvelope.h
  ${CMAKE_CURRENT_LIST_DIR}/ReferenceEnvelope.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShotJudge.h
  ${CMAKE_CURRENT_LIST_DIR}/ShotJudge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShotSynth.h
  ${CMAKE_CURRENT_LIST_DIR}/ShotSynth.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SynthRandom.h
  ${CMAKE_CURRENT_LIST_DIR}/SynthRandom.cpp
)
