SPEED	Sewing speed
TRIM	Thread trimming
FEED	Feed
TIMING	Timing
PRESSER	Presser foot
SPECIAL	SPECIAL
