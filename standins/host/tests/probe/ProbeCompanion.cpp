// The probe's one dependency, found only in the probe's own folder; exported through ProbeCompanion.def.
extern "C" int ProbeCompanionAnswer() { return 42; }
